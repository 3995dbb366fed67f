#include "core/tires/TireMonitor.h"

namespace rovik {

TireMonitor::TireMonitor() {
    for (std::atomic<std::uint8_t>& status : statuses) {
        status.store(kNoSensorAssigned, std::memory_order_relaxed);
    }
}

TireMonitor::Statuses TireMonitor::SensorStatuses() const {
    Statuses copy{};
    for (std::size_t i = 0; i < kSensorCount; ++i) {
        copy[i] = statuses[i].load(std::memory_order_relaxed);
    }
    return copy;
}

std::uint8_t TireMonitor::UpdateWarning() {
    warningBytes[0] = WarningLevel(SensorStatuses());
    return warningBytes[0];
}

std::uint8_t TireMonitor::WarningLevel(const Statuses& sensorStatuses) {
    std::uint8_t level = kOk;
    for (std::uint8_t status : sensorStatuses) {
        if (status == kNoSensorReport && level < kCaution) {
            level = kNoSensorReport;
        } else if (status == kCaution && level < kCaution) {
            level = kCaution;
        } else if (status == kAlarm && level < kAlarm) {
            level = kAlarm;
        }
    }
    return level;
}

}  // namespace rovik
