#include "core/trip/VehicleTotals.h"

#include <cmath>

#include "core/io/AtomicFile.h"
#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/params/ParameterTable.h"
#include "core/values/ValueLookup.h"

namespace rovik {

void VehicleTotals::Load() {
    totals = Totals();
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    if (!bytes) {
        return;
    }
    // The reader stops at the first value the file does not hold whole.
    ByteReader reader(*bytes);
    reader.ReadDouble(totals.distance);
    reader.ReadDouble(totals.engineHours);
    reader.ReadDouble(totals.fuelUsed);
}

void VehicleTotals::Refresh(const ParameterTable& parameters, const ValueLookup& values,
                            unsigned distancePid) {
    bool changed = Copy(parameters, values, distancePid, totals.distance);
    changed = Copy(parameters, values, kEngineHoursPid, totals.engineHours) || changed;
    changed = Copy(parameters, values, kFuelUsedPid, totals.fuelUsed) || changed;
    if (changed || unsaved) {
        unsaved = !Save();
    }
}

bool VehicleTotals::Copy(const ParameterTable& parameters, const ValueLookup& values, unsigned pid,
                         double& total) {
    if (values.GetUpdateCount(pid) == 0) {
        return false;
    }
    // The table answers an unknown PID with its last entry, which is some other quantity.
    double value =
        parameters.IsDefined(pid) ? parameters.FindByPid(pid)->Value(values) : values.GetValue(pid);
    // A total that is no number would stay in the file for good.
    if (!std::isfinite(value) || value == total) {
        return false;
    }
    total = value;
    return true;
}

bool VehicleTotals::Save() const {
    ByteWriter writer;
    writer.WriteDouble(totals.distance);
    writer.WriteDouble(totals.engineHours);
    writer.WriteDouble(totals.fuelUsed);
    return AtomicFile::Write(path, writer.Bytes());
}

}  // namespace rovik
