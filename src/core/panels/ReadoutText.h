#pragma once

#include <string>
#include <vector>

namespace rovik {

struct OdometerRecord;
struct TankMinderRecord;
struct TankReading;
struct TripValues;

// The numbers a readout panel shows, in order, each with its caption and unit (either may
// be empty).
struct ReadoutText {
    struct Field {
        std::string caption;
        std::string value;
        std::string unit;

        bool operator==(const Field&) const = default;
    };

    static std::vector<Field> ForOdometer(const OdometerRecord& odometer, const TripValues& trip);
    static std::vector<Field> ForTankMinder(const TankMinderRecord& tank,
                                            const TankReading& reading);
};

}  // namespace rovik
