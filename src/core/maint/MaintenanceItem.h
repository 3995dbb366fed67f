#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/maint/DueStatus.h"
#include "core/maint/LocalDate.h"

namespace rovik {

// One scheduled maintenance item: due after a number of months and, unless it is time
// only, after a number of miles since it was last performed.
struct MaintenanceItem {
    static constexpr int kDaysPerMonth = 30;
    // Intervals of this many days or more count as whole years.
    static constexpr int kDaysPerIntervalYear = 360;
    static constexpr int kDaysPerYear = 365;
    static constexpr int kMostMonths = 999;

    MaintenanceItem() = default;
    // A new item last performed at this moment and total distance.
    MaintenanceItem(Moment now, double distance)
        : lastInstanceTime(now), lastInstanceMileage(distance) {}

    std::string name = "New Maintenance Item";
    std::vector<std::string> serviceItems;
    int intervalDays = kDaysPerYear;
    double mileageInterval = 12000.0;
    Moment dueTime{};
    double dueMileage = 0.0;
    Moment lastInstanceTime{};
    double lastInstanceMileage = 0.0;
    std::uint32_t instanceCount = 0;
    bool timeOnly = false;
    // A second text, entered for time-only items.
    std::string note;

    bool operator==(const MaintenanceItem&) const = default;

    int Months() const { return intervalDays / kDaysPerMonth; }
    // The days from the last instance to the due date: the interval, or for a year or
    // more, whole years of 365 days with the remainder dropped.
    static int DueSpanDays(int intervalDays);
    void ComputeDueTime();
    void ComputeDueMileage();
    void ComputeDue() {
        ComputeDueTime();
        ComputeDueMileage();
    }
    DueStatus StatusAt(Moment now, double distance) const;

    // "12 Months", or "12 Months, 12000 Miles".
    std::string IntervalText() const;
    // "MM/DD/YYYY", or "MM/DD/YYYY  62000 Miles".
    std::string DueText() const;
};

}  // namespace rovik
