#include "core/maint/MaintenanceSchedule.h"

#include <limits>

namespace rovik {

namespace {
template <typename Entry>
void RemoveEntry(std::list<Entry>& entries, const Entry& entry) {
    entries.remove_if([&entry](const Entry& candidate) { return &candidate == &entry; });
}
}  // namespace

MaintenanceItem& MaintenanceSchedule::Add(const MaintenanceItem& item) {
    items.push_front(item);
    return items.front();
}

MaintenanceRecord& MaintenanceSchedule::Perform(MaintenanceItem& item, Moment now,
                                                double distance) {
    item.lastInstanceTime = now;
    item.lastInstanceMileage = distance;
    item.ComputeDue();
    if (item.instanceCount < std::numeric_limits<std::uint32_t>::max()) {
        ++item.instanceCount;
    }
    history.push_back({item.name, item.serviceItems, item.intervalDays, item.mileageInterval,
                       item.lastInstanceTime, item.lastInstanceMileage});
    return history.back();
}

void MaintenanceSchedule::Remove(const MaintenanceItem& item) {
    RemoveEntry(items, item);
}

void MaintenanceSchedule::Remove(const MaintenanceRecord& record) {
    RemoveEntry(history, record);
}

}  // namespace rovik
