#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "core/tires/TireSensor.h"
#include "core/values/J1708Frame.h"
#include "core/values/PacketSender.h"
#include "core/values/SharedValueBlock.h"

namespace rovik {

// The tire pressure receiver as the program knows it: the sixteen sensors it reports, the MID
// it last spoke with, the count of its frames and the learn that waits for a new sensor; and
// the commands that learn, clear and query sensors, sent as MID 182.
// Threads: the receive thread decodes (and ends a learn by assigning the sensor heard); the
// interface thread learns, clears, queries and reads. Every field of a sensor is an atomic of
// its own, so a reader may see one frame's pressure beside the frame before's temperature.
// The learn waiting is one atomic word holding both the position and the value to send, so
// the receive thread and an abort never see or take half of it, and only one of them takes it.
class TireMonitor {
public:
    static constexpr std::size_t kSensorCount = 16;
    static constexpr std::uint8_t kFirstMid = 166;
    static constexpr std::uint8_t kLastMid = 169;

    using Statuses = std::array<std::uint8_t, kSensorCount>;

    static bool IsTireMid(std::uint8_t mid) { return mid >= kFirstMid && mid <= kLastMid; }

    // Where the commands go; none drops them. Set before the receive thread runs.
    void SetSender(PacketSender* sender) { commands = sender; }

    // One checked frame from a MID of the receiver; now is a millisecond tick.
    void Decode(const J1708Frame& frame, std::uint32_t now);

    // Each command is false when it could not be sent.
    // Forgets the sensor and asks the receiver to listen for a new one for its place; the
    // sensor heard is assigned there. No learn waits when the request could not be sent.
    bool Learn(std::uint8_t sensor);
    void AbortLearning();
    // Forgets the sensor and tells the receiver to drop the one at its place.
    bool Clear(std::uint8_t sensor);
    // Asks the receiver of this MID to report its sensors.
    bool Query(std::uint8_t mid);
    bool LearnPending() const { return pendingLearn.load() != kNoLearn; }

    TireSensor Sensor(std::size_t number) const;
    Statuses SensorStatuses() const;
    std::uint8_t TireMid() const { return tireMid.load(std::memory_order_relaxed); }
    std::uint32_t FrameCount() const { return frameCount.load(std::memory_order_relaxed); }

    // The worst of the statuses: alarm, then caution, then a sensor that stopped reporting;
    // OK when none of these. Keeps the result as the warning byte.
    std::uint8_t UpdateWarning();
    // The warning byte, as the raw bytes of its derived number.
    const std::uint8_t* WarningBytes() const { return warningBytes.data(); }

    static std::uint8_t WarningLevel(const Statuses& statuses);

private:
    struct SharedSensor {
        std::atomic<std::uint8_t> status{TireSensor::kNoSensorAssigned};
        std::atomic<float> pressure{0.0f};
        std::atomic<float> temperature{TireSensor::kResetTemperature};
        std::atomic<std::uint8_t> pct{0};
        std::atomic<std::uint8_t> cnt{0};
        std::atomic<float> secondPressure{0.0f};
        std::atomic<std::uint8_t> reportFlag{0};
        std::atomic<std::uint8_t> reportCode{0};
        std::atomic<std::uint32_t> lastCodeTime{0};
    };
    // Position in the high byte, the value sent with the assignment in the low byte.
    static constexpr std::uint16_t kNoLearn = 0xFFFF;

    void Reset(std::uint8_t sensor);
    void DecodeCodes(const J1708Frame& frame, std::uint32_t now);
    void DecodeTemperatures(const J1708Frame& frame);
    void DecodePressures(const J1708Frame& frame, std::uint32_t now);
    void DecodeSecondPressures(const J1708Frame& frame);
    void DecodeReport(const J1708Frame& frame);
    void AssignHeardSensor(const J1708Frame& frame);
    void TakeReport(SharedSensor& sensor, const J1708Frame& frame);
    // The position number of a sensor on the receiver that spoke last.
    std::uint8_t Position(std::uint8_t sensor) const;
    bool Assign(std::uint8_t position, const std::uint8_t* id, std::uint8_t value);
    bool Send(std::initializer_list<std::uint8_t> message);

    std::array<SharedSensor, kSensorCount> sensors;
    std::atomic<std::uint8_t> tireMid{kFirstMid};
    std::atomic<std::uint32_t> frameCount{0};
    std::atomic<std::uint16_t> pendingLearn{kNoLearn};
    std::atomic<PacketSender*> commands{nullptr};
    std::array<std::uint8_t, kRawByteCount> warningBytes{};
};

}  // namespace rovik
