#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "core/values/SharedValueBlock.h"

namespace rovik {

// The tire pressure sensors' state as the link knows it: the status of each of the sixteen
// sensors (none assigned until a receiver reports one), the count of the receiver's frames,
// and the warning level derived from the statuses.
// Threads: the receive thread will write the statuses and the count (atomic); the warning
// is computed and read on the interface thread.
class TireMonitor {
public:
    static constexpr std::size_t kSensorCount = 16;
    static constexpr std::uint8_t kNoSensorReport = 0;
    static constexpr std::uint8_t kOk = 1;
    static constexpr std::uint8_t kCaution = 2;
    static constexpr std::uint8_t kAlarm = 3;
    static constexpr std::uint8_t kNoSensorAssigned = 255;

    using Statuses = std::array<std::uint8_t, kSensorCount>;

    TireMonitor();

    Statuses SensorStatuses() const;
    std::uint32_t FrameCount() const { return frameCount.load(std::memory_order_relaxed); }

    // The worst of the statuses: alarm, then caution, then a sensor that stopped reporting;
    // OK when none of these. Keeps the result as the warning byte.
    std::uint8_t UpdateWarning();
    // The warning byte, as the raw bytes of its derived number.
    const std::uint8_t* WarningBytes() const { return warningBytes.data(); }

    static std::uint8_t WarningLevel(const Statuses& statuses);

private:
    std::array<std::atomic<std::uint8_t>, kSensorCount> statuses;
    std::atomic<std::uint32_t> frameCount{0};
    std::array<std::uint8_t, kRawByteCount> warningBytes{};
};

}  // namespace rovik
