#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "vxbsim/VehicleModel.h"

namespace vxbsim {

// A tire pressure receiver on the J1708 link (MID 166) with sensors at its first positions.
// Every second it sends their pressures and temperatures and the report of one sensor in
// turn, and every few seconds the diagnostic codes of a low tire or a sensor that stopped
// reporting; a query gets a report of each sensor and the codes at once. After the command to learn
// it hears a new sensor and reports it, until the program assigns it to a position or stops the
// learn. Messages come without checksums. Threads: the box thread calls Second and Hear; the
// switches may come from any thread, so every call takes the lock.
class TireReceiver {
public:
    static constexpr std::uint8_t kMid = 166;
    static constexpr int kPositions = 16;
    // Readings of a sound tire: 100 PSI and 75 degrees; a low tire reads 60 PSI.
    static constexpr std::uint8_t kPressure = 167;
    static constexpr std::uint8_t kLowPressure = 100;
    static constexpr std::uint8_t kTemperature = 30;
    // The identifier of the sensor a learn hears.
    static constexpr std::array<std::uint8_t, 3> kNewSensor = {0x5C, 0x6D, 0x7E};

    explicit TireReceiver(int sensors);

    // What the receiver sends in this second of its life.
    std::vector<Message> Second();
    // Its answer to a J1708 message on the link; none for messages not meant for it.
    std::vector<Message> Hear(const Message& message);

    void SetLow(int position, bool low);
    void SetSilent(int position, bool silent);
    bool Learning() const;
    // The identifier of the sensor at a position; all zero for none.
    std::array<std::uint8_t, 3> SensorAt(int position) const;

private:
    static constexpr std::uint8_t kNoReading = 255;

    struct Sensor {
        std::array<std::uint8_t, 3> id{};
        bool low = false;
        bool silent = false;
        bool Present() const { return id != std::array<std::uint8_t, 3>{}; }
        std::uint8_t Pressure() const {
            return !Present() || silent ? kNoReading : low ? kLowPressure : kPressure;
        }
    };

    Message Readings(std::uint8_t pid, bool temperatures) const;
    std::vector<Message> Reports() const;
    // The codes of the low and silent sensors; none when every tire is sound.
    std::vector<Message> Codes() const;
    const Sensor* NextToReport() const;
    static Message Report(std::uint8_t position, const Sensor& sensor, std::uint8_t code = 0);
    void Assign(const Message& command);

    mutable std::mutex mutex;
    std::array<Sensor, kPositions> sensors;
    bool learning = false;
    long seconds = 0;
};

}  // namespace vxbsim
