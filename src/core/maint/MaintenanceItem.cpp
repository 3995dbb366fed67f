#include "core/maint/MaintenanceItem.h"

#include "core/trip/TripText.h"

namespace rovik {

int MaintenanceItem::DueSpanDays(int intervalDays) {
    if (intervalDays < kDaysPerIntervalYear) {
        return intervalDays;
    }
    return intervalDays / kDaysPerIntervalYear * kDaysPerYear;
}

void MaintenanceItem::ComputeDueTime() {
    dueTime = LocalDate::AddDays(lastInstanceTime, DueSpanDays(intervalDays));
}

void MaintenanceItem::ComputeDueMileage() {
    dueMileage = lastInstanceMileage + mileageInterval;
}

DueStatus MaintenanceItem::StatusAt(Moment now, double distance) const {
    const int window = intervalDays / 5;
    const double miles = mileageInterval / 5.0;
    if (now > LocalDate::AddDays(dueTime, window) || (!timeOnly && distance > dueMileage + miles)) {
        return DueStatus::kRed;
    }
    if (now > LocalDate::AddDays(dueTime, -window) ||
        (!timeOnly && distance > dueMileage - miles)) {
        return DueStatus::kYellow;
    }
    return DueStatus::kGreen;
}

std::string MaintenanceItem::IntervalText() const {
    const std::string months = std::to_string(Months()) + " Months";
    return timeOnly ? months : months + ", " + TripText::NoDecimals(mileageInterval) + " Miles";
}

std::string MaintenanceItem::DueText() const {
    const std::string date = LocalDate::DateText(dueTime);
    return timeOnly ? date : date + "  " + TripText::NoDecimals(dueMileage) + " Miles";
}

}  // namespace rovik
