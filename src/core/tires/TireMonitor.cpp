#include "core/tires/TireMonitor.h"

#include <algorithm>

#include "core/values/Pids.h"

namespace rovik {

namespace {
// Frames from MID to checksum that are decoded; others are only counted.
constexpr std::size_t kShortestFrame = 5;
constexpr std::size_t kLongestFrame = 20;
// Counted frames: MID, PID, count, then one byte a sensor or two a code.
constexpr std::size_t kFirstValue = 3;
// A sensor report runs to its fifteenth byte before the checksum.
constexpr std::size_t kReportLength = 16;
constexpr std::uint8_t kSensorReport = 1;
constexpr std::uint8_t kNewSensorHeard = 255;
constexpr std::uint8_t kNoReading = 254;
constexpr std::uint8_t kNotGiven = 255;
// A second byte with this bit tells of a code no longer active.
constexpr std::uint8_t kInactiveCode = 64;
constexpr float kPsiPerCount = 0.6f;
constexpr float kDegreesPerCount = 2.5f;
// A caution or alarm lapses this long after the last code that raised it.
constexpr std::uint32_t kCodeLapseMs = 15000;

constexpr std::uint8_t kProgramMid = 182;
constexpr std::uint8_t kStartLearning = 252;
constexpr std::uint8_t kStopLearning = 253;
constexpr std::uint8_t kAssign = 1;
constexpr std::uint8_t kClearValue = 255;
constexpr std::uint8_t kEscape = pid::kDataLinkEscape;

// Bytes of the frame before its checksum.
std::size_t DataLength(const J1708Frame& frame) {
    return frame.length - 1;
}

// The sensors a counted frame gives: none when it counts more than sixteen, and no more than
// the frame holds.
std::size_t CountedSensors(const J1708Frame& frame) {
    const std::size_t count = frame[2];
    if (count > TireMonitor::kSensorCount) {
        return 0;
    }
    return std::min(count, DataLength(frame) - kFirstValue);
}

std::uint8_t StatusForCode(unsigned code, std::uint8_t status) {
    switch (code) {
        case 0:
        case 14:
        case 16:
        case 36:
            return TireSensor::kCaution;
        case 1:
            return TireSensor::kAlarm;
        case 2:
            return TireSensor::kNoSensorReport;
        default:
            return status;
    }
}
}  // namespace

void TireMonitor::Decode(const J1708Frame& frame, std::uint32_t now) {
    tireMid.store(frame.Mid(), std::memory_order_relaxed);
    if (frame.length >= kShortestFrame && frame.length <= kLongestFrame) {
        switch (frame[1]) {
            case pid::kDiagnostics:
            case pid::kTireCodes:
                DecodeCodes(frame, now);
                break;
            case pid::kTireTemperatures:
                DecodeTemperatures(frame);
                break;
            case pid::kTirePressures:
                DecodePressures(frame, now);
                break;
            case pid::kTireSecondPressures:
                DecodeSecondPressures(frame);
                break;
            case pid::kDataLinkEscape:
                DecodeReport(frame);
                break;
            default:
                break;
        }
    }
    frameCount.fetch_add(1, std::memory_order_relaxed);
}

void TireMonitor::DecodeCodes(const J1708Frame& frame, std::uint32_t now) {
    const std::size_t codes = std::min<std::size_t>(frame[2] / 2, (DataLength(frame) - 3) / 2);
    for (std::size_t i = 0; i < codes; ++i) {
        const std::uint8_t first = static_cast<std::uint8_t>(frame[kFirstValue + 2 * i] - 18);
        const std::uint8_t second = frame[kFirstValue + 2 * i + 1];
        if (second & kInactiveCode) {
            continue;
        }
        SharedSensor& sensor = sensors[first & 15];
        const unsigned code = (first & 240u) + (second & 15u);
        sensor.status = StatusForCode(code, sensor.status);
        sensor.lastCodeTime = now;
    }
}

void TireMonitor::DecodeTemperatures(const J1708Frame& frame) {
    const std::size_t count = CountedSensors(frame);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t value = frame[kFirstValue + i];
        if (value < kNoReading) {
            sensors[i].temperature = value * kDegreesPerCount;
        }
    }
}

void TireMonitor::DecodePressures(const J1708Frame& frame, std::uint32_t now) {
    const std::size_t count = CountedSensors(frame);
    for (std::size_t i = 0; i < count; ++i) {
        SharedSensor& sensor = sensors[i];
        const std::uint8_t value = frame[kFirstValue + i];
        if (value >= kNoReading) {
            sensor.pressure = 0.0f;
            if (sensor.status != TireSensor::kNoSensorAssigned) {
                sensor.status = TireSensor::kNoSensorReport;
            }
        } else {
            sensor.pressure = value * kPsiPerCount;
            if (sensor.status == TireSensor::kNoSensorReport) {
                sensor.status = TireSensor::kOk;
            }
        }
    }
    for (SharedSensor& sensor : sensors) {
        const std::uint8_t status = sensor.status;
        if ((status == TireSensor::kCaution || status == TireSensor::kAlarm) &&
            now - sensor.lastCodeTime > kCodeLapseMs) {
            sensor.status = TireSensor::kOk;
        }
    }
}

void TireMonitor::DecodeSecondPressures(const J1708Frame& frame) {
    const std::size_t count = CountedSensors(frame);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t value = frame[kFirstValue + i];
        if (value < kNotGiven) {
            sensors[i].secondPressure = value * kPsiPerCount;
        }
    }
}

// MID, PID, count, then: 1, sensor, identifier (3 bytes), pressure, two bytes, report flag,
// report code, Pct, Cnt.
void TireMonitor::DecodeReport(const J1708Frame& frame) {
    if (frame.length < kReportLength || frame[3] != kSensorReport) {
        return;
    }
    if (frame[12] == kNewSensorHeard) {
        AssignHeardSensor(frame);
    } else if (frame[4] < kSensorCount) {
        TakeReport(sensors[frame[4]], frame);
    }
}

void TireMonitor::AssignHeardSensor(const J1708Frame& frame) {
    const std::uint8_t* id = frame.bytes + 5;
    if (id[0] == 0 && id[1] == 0 && id[2] == 0) {
        return;
    }
    const std::uint16_t pending = pendingLearn.exchange(kNoLearn);
    if (pending == kNoLearn) {
        return;
    }
    Assign(Position(static_cast<std::uint8_t>(pending >> 8)), id,
           static_cast<std::uint8_t>(pending));
    Send({kProgramMid, kEscape, TireMid(), kStopLearning});
}

void TireMonitor::TakeReport(SharedSensor& sensor, const J1708Frame& frame) {
    sensor.pct = frame[13] == kNotGiven ? 0 : frame[13];
    sensor.cnt = frame[14] == kNotGiven ? 0 : frame[14];
    sensor.reportFlag = frame[11];
    if (frame[11] == 1) {
        sensor.status = TireSensor::kOk;
    }
    if (sensor.status == TireSensor::kNoSensorAssigned) {
        sensor.status = TireSensor::kNoSensorReport;
    }
    if (frame[8] < kNoReading) {
        sensor.pressure = frame[8] * kPsiPerCount;
        if (sensor.status == TireSensor::kNoSensorReport) {
            sensor.status = TireSensor::kOk;
        }
    }
    sensor.reportCode = frame[12];
}

bool TireMonitor::Learn(std::uint8_t sensor) {
    if (sensor >= kSensorCount) {
        return false;
    }
    Reset(sensor);
    // Waiting before the command leaves, so a report that comes at once finds the learn.
    const std::uint16_t pending = static_cast<std::uint16_t>(sensor << 8 | sensor);
    pendingLearn = pending;
    if (Send({kProgramMid, kEscape, TireMid(), kStartLearning, 255, 255})) {
        return true;
    }
    std::uint16_t expected = pending;
    pendingLearn.compare_exchange_strong(expected, kNoLearn);
    return false;
}

void TireMonitor::AbortLearning() {
    pendingLearn = kNoLearn;
    Send({kProgramMid, kEscape, TireMid(), kStopLearning});
}

bool TireMonitor::Clear(std::uint8_t sensor) {
    if (sensor >= kSensorCount) {
        return false;
    }
    Reset(sensor);
    const std::uint8_t none[3] = {0, 0, 0};
    return Assign(Position(sensor), none, kClearValue);
}

bool TireMonitor::Query(std::uint8_t mid) {
    return Send({kProgramMid, pid::kModuleRequest, kEscape, mid});
}

void TireMonitor::Reset(std::uint8_t number) {
    SharedSensor& sensor = sensors[number];
    sensor.status = TireSensor::kNoSensorAssigned;
    sensor.pressure = 0.0f;
    sensor.temperature = TireSensor::kResetTemperature;
    sensor.pct = 0;
    sensor.cnt = 0;
    sensor.reportFlag = 0;
    sensor.secondPressure = 0.0f;
}

std::uint8_t TireMonitor::Position(std::uint8_t sensor) const {
    return static_cast<std::uint8_t>((TireMid() - kFirstMid) * kSensorCount + sensor);
}

bool TireMonitor::Assign(std::uint8_t position, const std::uint8_t* id, std::uint8_t value) {
    return Send({kProgramMid, kEscape, TireMid(), kAssign, position, id[0], id[1], id[2], 255, 255,
                 255, 0, value, 255, 0});
}

bool TireMonitor::Send(std::initializer_list<std::uint8_t> message) {
    PacketSender* sender = commands.load();
    return sender != nullptr && sender->SendPacket(message.begin(), message.size());
}

TireSensor TireMonitor::Sensor(std::size_t number) const {
    const SharedSensor& shared = sensors.at(number);
    TireSensor sensor;
    sensor.status = shared.status;
    sensor.pressure = shared.pressure;
    sensor.temperature = shared.temperature;
    sensor.pct = shared.pct;
    sensor.cnt = shared.cnt;
    sensor.secondPressure = shared.secondPressure;
    sensor.reportFlag = shared.reportFlag;
    sensor.reportCode = shared.reportCode;
    sensor.lastCodeTime = shared.lastCodeTime;
    return sensor;
}

TireMonitor::Statuses TireMonitor::SensorStatuses() const {
    Statuses copy{};
    for (std::size_t i = 0; i < kSensorCount; ++i) {
        copy[i] = sensors[i].status.load(std::memory_order_relaxed);
    }
    return copy;
}

std::uint8_t TireMonitor::UpdateWarning() {
    warningBytes[0] = WarningLevel(SensorStatuses());
    return warningBytes[0];
}

std::uint8_t TireMonitor::WarningLevel(const Statuses& sensorStatuses) {
    std::uint8_t level = TireSensor::kOk;
    for (std::uint8_t status : sensorStatuses) {
        if (status == TireSensor::kNoSensorReport && level < TireSensor::kCaution) {
            level = TireSensor::kNoSensorReport;
        } else if (status == TireSensor::kCaution && level < TireSensor::kCaution) {
            level = TireSensor::kCaution;
        } else if (status == TireSensor::kAlarm && level < TireSensor::kAlarm) {
            level = TireSensor::kAlarm;
        }
    }
    return level;
}

}  // namespace rovik
