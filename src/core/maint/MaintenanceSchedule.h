#pragma once

#include <list>

#include "core/maint/MaintenanceItem.h"
#include "core/maint/MaintenanceRecord.h"

namespace rovik {

// The scheduled maintenance items and the history of maintenance performed. Lists, so
// that an item or record keeps its place in memory while others come and go.
struct MaintenanceSchedule {
    std::list<MaintenanceItem> items;
    std::list<MaintenanceRecord> history;

    bool operator==(const MaintenanceSchedule&) const = default;

    // New items go to the front of the list.
    MaintenanceItem& Add(const MaintenanceItem& item);
    // The item is done now at this distance: it counts one more instance and falls due
    // again from here; the record of it goes to the end of the history.
    MaintenanceRecord& Perform(MaintenanceItem& item, Moment now, double distance);
    void Remove(const MaintenanceItem& item);
    void Remove(const MaintenanceRecord& record);
};

}  // namespace rovik
