#include "core/maint/MaintenanceRecord.h"

#include "core/maint/MaintenanceItem.h"
#include "core/trip/TripText.h"

namespace rovik {

namespace {
// A mileage interval this small is a time-only item's.
constexpr double kNoMileage = 0.5;
}  // namespace

std::string MaintenanceRecord::RowText() const {
    std::string interval =
        std::to_string(intervalDays / MaintenanceItem::kDaysPerMonth) + " Months";
    if (mileageInterval > kNoMileage) {
        interval += ", " + TripText::NoDecimals(mileageInterval) + " Miles";
    }
    return name + '\t' + interval + '\t' + LocalDate::DateText(doneTime) + "  " +
           TripText::NoDecimals(doneMileage) + " Miles";
}

}  // namespace rovik
