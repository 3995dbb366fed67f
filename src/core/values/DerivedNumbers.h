#pragma once

#include <optional>

namespace rovik {

// The numbers that name values the program derives rather than reads from one message,
// and the store entry each one stands on.
class DerivedNumbers {
public:
    static constexpr unsigned kBrakesRoadSpeed = 7;
    static constexpr unsigned kBrakesBatteryVolts = 8;
    static constexpr unsigned kRollingMpg = 9;
    static constexpr unsigned kAcceleration = 10;
    static constexpr unsigned kBraking = 11;
    static constexpr unsigned kPeakAcceleration = 12;
    static constexpr unsigned kTireWarning = 501;
    static constexpr unsigned kRecentMpg = 502;
    static constexpr unsigned kPeakCoolantTemperature = 503;
    static constexpr unsigned kPeakTransmissionOilTemperature = 504;
    static constexpr unsigned kPeakOilTemperature = 505;
    static constexpr unsigned kPeakIntakeTemperature = 506;
    static constexpr unsigned kPeakEngineSpeed = 507;
    static constexpr unsigned kPeakRoadSpeed = 508;
    static constexpr unsigned kHorsepower = 509;
    static constexpr unsigned kTorque = 510;

    struct Base {
        int slot;
        unsigned pid;
        // The number reads this entry's value as it stands, not a value computed from it.
        bool sameValue;
    };
    // The entry whose update count and raw bytes a derived number shows; none for numbers
    // that stand on no single entry (the tire warning) or are not derived.
    static std::optional<Base> BaseOf(unsigned number);
    // Whether the number's value is computed from the vehicle's values: 9 to 12, 502 to 510.
    static bool IsComputed(unsigned number);
};

}  // namespace rovik
