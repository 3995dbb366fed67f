#pragma once

#include <string>
#include <vector>

#include "core/maint/LocalDate.h"

namespace rovik {

// One maintenance performed: what the item was, and when and at what distance it was done.
struct MaintenanceRecord {
    std::string name;
    std::vector<std::string> serviceItems;
    int intervalDays = 0;
    double mileageInterval = 0.0;
    Moment doneTime{};
    double doneMileage = 0.0;

    bool operator==(const MaintenanceRecord&) const = default;

    // The history row: the name, the interval ("12 Months" when the item had no mileage
    // interval, else "12 Months, 12000 Miles") and "MM/DD/YYYY  62000 Miles", tab-separated.
    std::string RowText() const;
};

}  // namespace rovik
