#pragma once

#include <cstdint>
#include <string>

namespace rovik {

// What the program knows of one tire pressure sensor, as the receiver last reported it.
struct TireSensor {
    static constexpr std::uint8_t kNoSensorReport = 0;
    static constexpr std::uint8_t kOk = 1;
    static constexpr std::uint8_t kCaution = 2;
    static constexpr std::uint8_t kAlarm = 3;
    static constexpr std::uint8_t kNoSensorAssigned = 255;
    static constexpr float kResetTemperature = -40.0f;

    // The sensor's line in the Tire Status list, the sensor's number first.
    std::string StatusLine(int number) const;

    bool operator==(const TireSensor&) const = default;

    std::uint8_t status = kNoSensorAssigned;
    float pressure = 0.0f;  // PSI
    float temperature = kResetTemperature;
    std::uint8_t pct = 0;
    std::uint8_t cnt = 0;
    // The receiver's second reading of the pressure, PSI.
    float secondPressure = 0.0f;
    std::uint8_t reportFlag = 0;
    std::uint8_t reportCode = 0;
    // Millisecond tick of the last diagnostic code for this sensor.
    std::uint32_t lastCodeTime = 0;
};

}  // namespace rovik
