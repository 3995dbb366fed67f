#pragma once

#include <cstddef>
#include <string>

#include "core/maint/LocalDate.h"
#include "core/maint/MaintenanceItem.h"

namespace rovik {

// What the Maintenance Item Properties dialog edits: the description, time-and-mileage or
// time-only with the months of each, and when the item was last performed.
struct ItemProperties {
    static constexpr std::size_t kLongestDescription = 28;
    static constexpr std::size_t kLongestNote = 15;
    static constexpr int kMostMonths = MaintenanceItem::kMostMonths;
    static constexpr double kMostMiles = 999999.9;
    static constexpr double kLargestOdometer = 9999999.9;

    std::string description = "New Item";
    bool timeOnly = false;
    int months = 12;
    double miles = 12000.0;
    int timeOnlyMonths = 12;
    std::string note;
    // Only its date counts: the item is taken as last performed at noon that day, as a
    // date read back from the file is.
    Moment lastPerformed{};
    double lastMiles = 0.0;

    bool operator==(const ItemProperties&) const = default;

    // A new item's: performed today at the current total distance.
    static ItemProperties ForNew(Moment now, double distance);
    static ItemProperties Of(const MaintenanceItem& item);
    // Names the item, sets its interval, last instance and kind, and computes when it
    // falls due. A time-and-mileage item has no note; a time-only item no mileage interval.
    void ApplyTo(MaintenanceItem& item) const;
};

}  // namespace rovik
