#include "vxbsim/TireReceiver.h"

#include <algorithm>

namespace vxbsim {

namespace {
constexpr std::uint8_t kProgramMid = 182;
constexpr std::uint8_t kRequestPid = 128;
constexpr std::uint8_t kEscapePid = 254;
constexpr std::uint8_t kCodesPid = 194;
constexpr std::uint8_t kTemperaturesPid = 210;
constexpr std::uint8_t kPressuresPid = 211;
constexpr std::uint8_t kSecondPressuresPid = 212;
constexpr std::uint8_t kStartLearning = 252;
constexpr std::uint8_t kStopLearning = 253;
constexpr std::uint8_t kAssign = 1;
constexpr std::uint8_t kNewSensorHeard = 255;
constexpr std::uint8_t kLowTireCode = 0;
constexpr std::uint8_t kNoReportCode = 2;
// A diagnostic code names its sensor counted from 18.
constexpr std::uint8_t kFirstSensorCode = 18;
// As many codes as fit one message.
constexpr std::size_t kCodesPerMessage = 8;
constexpr long kCodeEverySeconds = 5;
}  // namespace

TireReceiver::TireReceiver(int count) {
    for (int i = 0; i < std::clamp(count, 0, kPositions); ++i) {
        sensors[static_cast<std::size_t>(i)].id = {0x1A, 0x2B, static_cast<std::uint8_t>(i + 1)};
    }
}

std::vector<Message> TireReceiver::Second() {
    std::lock_guard lock(mutex);
    std::vector<Message> out;
    for (const Message& readings :
         {Readings(kPressuresPid, false), Readings(kTemperaturesPid, true),
          Readings(kSecondPressuresPid, false)}) {
        if (readings.size() > 3) {
            out.push_back(readings);
        }
    }
    if (const Sensor* next = NextToReport()) {
        out.push_back(Report(static_cast<std::uint8_t>(next - sensors.data()), *next));
    }
    if (++seconds % kCodeEverySeconds == 0) {
        for (const Message& codes : Codes()) {
            out.push_back(codes);
        }
    }
    if (learning) {
        out.push_back(Report(0, Sensor{kNewSensor}, kNewSensorHeard));
    }
    return out;
}

std::vector<Message> TireReceiver::Hear(const Message& command) {
    std::lock_guard lock(mutex);
    if (command.size() < 4 || command[0] != kProgramMid) {
        return {};
    }
    if (command[1] == kRequestPid && command[2] == kEscapePid && command[3] == kMid) {
        std::vector<Message> answer = Reports();
        for (const Message& codes : Codes()) {
            answer.push_back(codes);
        }
        return answer;
    }
    if (command[1] != kEscapePid || command[2] != kMid) {
        return {};
    }
    if (command[3] == kStartLearning) {
        learning = true;
    } else if (command[3] == kStopLearning) {
        learning = false;
    } else if (command[3] == kAssign) {
        Assign(command);
    }
    return {};
}

// A zero identifier clears the position.
void TireReceiver::Assign(const Message& command) {
    if (command.size() < 8 || command[4] >= kPositions) {
        return;
    }
    sensors[command[4]] = Sensor{{command[5], command[6], command[7]}};
}

void TireReceiver::SetLow(int position, bool low) {
    std::lock_guard lock(mutex);
    sensors.at(static_cast<std::size_t>(position)).low = low;
}

void TireReceiver::SetSilent(int position, bool silent) {
    std::lock_guard lock(mutex);
    sensors.at(static_cast<std::size_t>(position)).silent = silent;
}

bool TireReceiver::Learning() const {
    std::lock_guard lock(mutex);
    return learning;
}

std::array<std::uint8_t, 3> TireReceiver::SensorAt(int position) const {
    std::lock_guard lock(mutex);
    return sensors.at(static_cast<std::size_t>(position)).id;
}

// One byte a position up to the last sensor; none for an empty position or a silent sensor.
Message TireReceiver::Readings(std::uint8_t pid, bool temperatures) const {
    Message readings = {kMid, pid, 0};
    auto last = std::find_if(sensors.rbegin(), sensors.rend(),
                             [](const Sensor& sensor) { return sensor.Present(); });
    for (auto sensor = sensors.begin(); sensor != last.base(); ++sensor) {
        const std::uint8_t pressure = sensor->Pressure();
        readings.push_back(temperatures && pressure != kNoReading ? kTemperature : pressure);
    }
    readings[2] = static_cast<std::uint8_t>(readings.size() - 3);
    return readings;
}

std::vector<Message> TireReceiver::Reports() const {
    std::vector<Message> reports;
    for (std::uint8_t position = 0; position < kPositions; ++position) {
        const Sensor& sensor = sensors[position];
        if (sensor.Present()) {
            reports.push_back(Report(position, sensor));
        }
    }
    return reports;
}

// One sensor a second, in turn.
const TireReceiver::Sensor* TireReceiver::NextToReport() const {
    std::vector<const Sensor*> present;
    for (const Sensor& sensor : sensors) {
        if (sensor.Present()) {
            present.push_back(&sensor);
        }
    }
    return present.empty() ? nullptr : present[static_cast<std::size_t>(seconds) % present.size()];
}

// MID, PID, the count of what follows, then: 1, position, identifier, pressure, two unused
// bytes, report flag (set for a sound tire), report code, Pct, Cnt.
Message TireReceiver::Report(std::uint8_t position, const Sensor& sensor, std::uint8_t code) {
    const std::uint8_t pressure = sensor.Pressure();
    const std::uint8_t sound = pressure == kPressure ? 1 : 0;
    const std::uint8_t pct = pressure == kNoReading ? 0 : 100;
    const std::array<std::uint8_t, 3>& id = sensor.id;
    return {kMid,     kEscapePid, 12, 1,     position, id[0], id[1], id[2],
            pressure, 0,          0,  sound, code,     pct,   1};
}

std::vector<Message> TireReceiver::Codes() const {
    std::vector<Message> messages;
    for (std::uint8_t position = 0; position < kPositions; ++position) {
        const Sensor& sensor = sensors[position];
        if (!sensor.Present() || !(sensor.low || sensor.silent)) {
            continue;
        }
        if (messages.empty() || messages.back().size() == 3 + 2 * kCodesPerMessage) {
            messages.push_back({kMid, kCodesPid, 0});
        }
        Message& codes = messages.back();
        codes.push_back(static_cast<std::uint8_t>(kFirstSensorCode + position));
        codes.push_back(sensor.silent ? kNoReportCode : kLowTireCode);
        codes[2] = static_cast<std::uint8_t>(codes.size() - 3);
    }
    return messages;
}

}  // namespace vxbsim
