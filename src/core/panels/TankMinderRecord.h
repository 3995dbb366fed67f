#pragma once

#include <string>

#include "core/panels/ReadoutRecord.h"

namespace rovik {

// The screen-file record of a tank minder.
struct TankMinderRecord : ReadoutRecord {
    static constexpr double kNewTankSize = 100.0;

    TankMinderRecord() { kind = PanelKind::kTankMinder; }

    // Reads what follows the kind code; fields not held whole keep their values.
    bool Read(ByteReader& reader);
    // Writes at most 255 characters of the path.
    void Write(ByteWriter& writer) const;

    bool operator==(const TankMinderRecord&) const = default;

    bool showDistance = true;
    bool showFuelRemaining = true;
    bool showMpg = true;
    // Shows the vehicle's recent economy, and counts the distance to empty with it, in place
    // of the tank's own.
    bool useRecentMpg = true;
    double tankSize = kNewTankSize;  // gallons
    // Empty for a new tank minder until it makes its file.
    std::string tankFilePath;

private:
    bool ReadTankSize(ByteReader& reader);
};

}  // namespace rovik
