#include "vxbsim/J1939Builder.h"

#include <array>
#include <string>

#include "vxbsim/RawValue.h"

namespace vxbsim {

namespace {
constexpr std::uint32_t kByte = 250;
constexpr std::uint32_t kWord = 65530;
constexpr std::uint32_t kDoubleWord = 4294967290u;
constexpr double kMilesPer5Metres = 0.003106856;
constexpr double kGallonsPerHalfLitre = 0.13208602;

// Stores raw into d[at..at+bytes-1], low byte first.
void Put(J1939Frame& frame, std::size_t at, std::uint32_t raw, std::size_t bytes = 1) {
    for (std::size_t i = 0; i < bytes; ++i) {
        frame.data.at(at + i) = static_cast<std::uint8_t>(raw >> (8 * i));
    }
}

std::uint32_t ByteTemperature(double fahrenheit) {
    return RawValue::Of(fahrenheit, 1.8, -40.0, kByte);
}

std::uint32_t WordTemperature(double fahrenheit) {
    return RawValue::Of(fahrenheit, 0.05625, -459.4, kWord);
}

// Gears and torque percentages carry an offset of -125.
std::uint32_t Offset125(double value) {
    return RawValue::Of(value, 1.0, -125.0, kByte);
}

J1939Frame EngineController1(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 61444};
    Put(f, 0, 0xF0);  // torque mode: no request
    Put(f, 1, Offset125(v.EngineLoadPercent()));
    Put(f, 2, Offset125(v.EngineLoadPercent()));
    Put(f, 3, RawValue::Of(v.EngineRpm(), 0.125, 0.0, kWord), 2);
    Put(f, 5, J1939Builder::kEngine);
    Put(f, 6, Offset125(v.EngineLoadPercent()));
    return f;
}

J1939Frame EngineController2(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 61443};
    Put(f, 1, RawValue::Of(v.AcceleratorPercent(), 0.4, 0.0, kByte));
    Put(f, 2, RawValue::Of(v.EngineLoadPercent(), 1.0, 0.0, kByte));
    return f;
}

J1939Frame CruiseControlVehicleSpeed(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65265};
    Put(f, 1, RawValue::Of(v.RoadSpeedMph(), 0.00242775, 0.0, kWord), 2);
    // Cruise control off and its switches released; only the brake switch follows the driver.
    Put(f, 3, v.BrakeApplicationPsi() > 0.0 ? 0x10 : 0x00);
    Put(f, 4, 0x00);
    Put(f, 5, 0);
    return f;
}

J1939Frame TransmissionController1(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kTransmission, .pgn = 61442};
    Put(f, 1, RawValue::Of(v.OutputShaftRpm(), 0.125, 0.0, kWord), 2);
    Put(f, 3, 0);  // no clutch slip
    double input = v.Gear() == 0 ? 0.0 : v.OutputShaftRpm() * v.GearRatio();
    Put(f, 5, RawValue::Of(input, 0.125, 0.0, kWord), 2);
    return f;
}

J1939Frame TransmissionController2(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kTransmission, .pgn = 61445};
    Put(f, 0, Offset125(v.Gear()));
    Put(f, 1, RawValue::Of(v.GearRatio(), 0.001, 0.0, kWord), 2);
    Put(f, 3, Offset125(v.Gear()));
    std::string selected = v.SelectedRange();
    std::string attained = v.AttainedRange();
    for (std::size_t i = 0; i < 2; ++i) {
        Put(f, 4 + i, static_cast<std::uint8_t>(selected.at(i)));
        Put(f, 6 + i, static_cast<std::uint8_t>(attained.at(i)));
    }
    return f;
}

J1939Frame FuelEconomy(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65266};
    constexpr double kMpgPerBit = 0.0046;
    Put(f, 0, RawValue::Of(v.FuelRateGph(), 0.013208603, 0.0, kWord), 2);
    Put(f, 2, RawValue::Of(v.EconomyMpg(), kMpgPerBit, 0.0, kWord), 2);
    double average = v.TripFuelGallons() > 0.0 ? v.TripMiles() / v.TripFuelGallons() : 0.0;
    Put(f, 4, RawValue::Of(average, kMpgPerBit, 0.0, kWord), 2);
    Put(f, 6, RawValue::Of(v.AcceleratorPercent(), 0.4, 0.0, kByte));
    return f;
}

J1939Frame HighResolutionDistance(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65217};
    Put(f, 0, RawValue::Of(v.DistanceMiles(), kMilesPer5Metres, 0.0, kDoubleWord), 4);
    Put(f, 4, RawValue::Of(v.TripMiles(), kMilesPer5Metres, 0.0, kDoubleWord), 4);
    return f;
}

J1939Frame VehicleDistance(const VehicleModel& v) {
    constexpr double kMilesPerEighthKm = 0.0776714;
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65248};
    Put(f, 0, RawValue::Of(v.TripMiles(), kMilesPerEighthKm, 0.0, kDoubleWord), 4);
    Put(f, 4, RawValue::Of(v.DistanceMiles(), kMilesPerEighthKm, 0.0, kDoubleWord), 4);
    return f;
}

J1939Frame EngineHours(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65253};
    Put(f, 0, RawValue::Of(v.EngineHours(), 0.05, 0.0, kDoubleWord), 4);
    Put(f, 4, RawValue::Of(v.EngineRevolutions(), 1000.0, 0.0, kDoubleWord), 4);
    return f;
}

J1939Frame FuelConsumption(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65257};
    Put(f, 0, RawValue::Of(v.TripFuelGallons(), kGallonsPerHalfLitre, 0.0, kDoubleWord), 4);
    Put(f, 4, RawValue::Of(v.FuelUsedGallons(), kGallonsPerHalfLitre, 0.0, kDoubleWord), 4);
    return f;
}

J1939Frame EngineTemperature(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65262};
    Put(f, 0, ByteTemperature(v.CoolantF()));
    Put(f, 1, ByteTemperature(v.FuelTempF()));
    Put(f, 2, WordTemperature(v.OilTempF()), 2);
    return f;
}

J1939Frame EngineFluids(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65263};
    Put(f, 3, RawValue::Of(v.OilPressurePsi(), 0.58015, 0.0, kByte));
    return f;
}

J1939Frame AmbientConditions(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65269};
    Put(f, 0, RawValue::Of(101.3, 0.5, 0.0, kByte));  // barometric pressure, kPa
    Put(f, 3, WordTemperature(v.AmbientF()), 2);
    Put(f, 5, ByteTemperature(v.AmbientF()));  // air inlet
    return f;
}

J1939Frame InletExhaust(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65270};
    Put(f, 1, RawValue::Of(v.BoostPsi(), 0.29008, 0.0, kByte));
    Put(f, 2, ByteTemperature(v.IntakeManifoldF()));
    return f;
}

J1939Frame VehicleElectricalPower(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kEngine, .pgn = 65271};
    std::uint32_t volts = RawValue::Of(v.BatteryVolts(), 0.05, 0.0, kWord);
    Put(f, 2, volts, 2);  // charging system
    Put(f, 4, volts, 2);  // battery
    Put(f, 6, volts, 2);  // key switch
    return f;
}

J1939Frame TransmissionFluids(const VehicleModel& v) {
    J1939Frame f{.source = J1939Builder::kTransmission, .pgn = 65272};
    Put(f, 4, WordTemperature(v.TransmissionOilTempF()), 2);
    return f;
}

using Maker = J1939Frame (*)(const VehicleModel&);

struct Group {
    std::uint32_t pgn;
    Maker make;
};

constexpr std::array kFast = {
    Group{61444, EngineController1},         Group{61443, EngineController2},
    Group{65265, CruiseControlVehicleSpeed}, Group{61442, TransmissionController1},
    Group{61445, TransmissionController2},   Group{65266, FuelEconomy},
};

constexpr std::array kSlow = {
    Group{65217, HighResolutionDistance}, Group{65253, EngineHours},
    Group{65257, FuelConsumption},        Group{65262, EngineTemperature},
    Group{65263, EngineFluids},           Group{65269, AmbientConditions},
    Group{65270, InletExhaust},           Group{65271, VehicleElectricalPower},
    Group{65272, TransmissionFluids},
};

// Sent only when asked for.
constexpr std::array kOnRequest = {Group{65248, VehicleDistance}};

template <typename Groups>
std::vector<J1939Frame> MakeAll(const Groups& groups, const VehicleModel& v) {
    std::vector<J1939Frame> frames;
    frames.reserve(groups.size());
    for (const Group& group : groups) {
        frames.push_back(group.make(v));
    }
    return frames;
}

template <typename Groups>
std::optional<J1939Frame> Find(const Groups& groups, std::uint32_t pgn, const VehicleModel& v) {
    for (const Group& group : groups) {
        if (group.pgn == pgn) {
            return group.make(v);
        }
    }
    return std::nullopt;
}
}  // namespace

std::optional<J1939Frame> J1939Builder::Build(std::uint32_t pgn, const VehicleModel& v) {
    if (auto frame = Find(kFast, pgn, v)) {
        return frame;
    }
    if (auto frame = Find(kSlow, pgn, v)) {
        return frame;
    }
    return Find(kOnRequest, pgn, v);
}

std::vector<J1939Frame> J1939Builder::Fast(const VehicleModel& v) {
    return MakeAll(kFast, v);
}

std::vector<J1939Frame> J1939Builder::Slow(const VehicleModel& v) {
    return MakeAll(kSlow, v);
}

}  // namespace vxbsim
