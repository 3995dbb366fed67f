#pragma once

#include <string>

#include "core/trip/Totals.h"
#include "core/values/Pids.h"

namespace rovik {

class ParameterTable;
class ValueLookup;

// The vehicle's total distance, engine hours and fuel used, copied from the link as they
// arrive and kept in ODOMETER.DAT so that trips survive a run without vehicle data.
class VehicleTotals {
public:
    static constexpr const char* kFileName = "ODOMETER.DAT";
    static constexpr unsigned kEngineHoursPid = pid::kTotalEngineHours;
    static constexpr unsigned kFuelUsedPid = pid::kTotalFuel;

    explicit VehicleTotals(std::string path = kFileName) : path(std::move(path)) {}

    // Zeros, then each value the file holds whole.
    void Load();
    // Copies each total whose PID the link has seen, through its parameter when the table
    // defines one, and rewrites the file when a total changed or the last write failed.
    void Refresh(const ParameterTable& parameters, const ValueLookup& values, unsigned distancePid);

    const Totals& Current() const { return totals; }

private:
    bool Copy(const ParameterTable& parameters, const ValueLookup& values, unsigned pid,
              double& total);
    bool Save() const;

    std::string path;
    Totals totals;
    bool unsaved = false;
};

}  // namespace rovik
