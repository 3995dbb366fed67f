#include "core/maint/ItemProperties.h"

namespace rovik {

ItemProperties ItemProperties::ForNew(Moment now, double distance) {
    ItemProperties properties;
    properties.lastPerformed = now;
    properties.lastMiles = distance;
    return properties;
}

ItemProperties ItemProperties::Of(const MaintenanceItem& item) {
    ItemProperties properties;
    properties.description = item.name;
    properties.timeOnly = item.timeOnly;
    properties.months = item.Months();
    properties.timeOnlyMonths = item.Months();
    if (!item.timeOnly) {
        properties.miles = item.mileageInterval;
    }
    properties.note = item.note;
    properties.lastPerformed = item.lastInstanceTime;
    properties.lastMiles = item.lastInstanceMileage;
    return properties;
}

void ItemProperties::ApplyTo(MaintenanceItem& item) const {
    item.name = description;
    item.timeOnly = timeOnly;
    item.intervalDays = (timeOnly ? timeOnlyMonths : months) * MaintenanceItem::kDaysPerMonth;
    item.mileageInterval = timeOnly ? 0.0 : miles;
    item.note = timeOnly ? note : std::string();
    item.lastInstanceTime = LocalDate::Noon(lastPerformed);
    item.lastInstanceMileage = lastMiles;
    item.ComputeDue();
}

}  // namespace rovik
