#pragma once

#include <cstddef>
#include <string>

#include "core/panels/ReadoutRecord.h"

namespace rovik {

// The screen-file record of a trip odometer.
struct OdometerRecord : ReadoutRecord {
    // Older records give the path's length in one byte; the reader tells them apart by a
    // four-byte length above this.
    static constexpr std::size_t kMaxPathLength = 255;

    OdometerRecord() { kind = PanelKind::kOdometer; }

    // Reads what follows the kind code; fields not held whole keep their values.
    bool Read(ByteReader& reader);
    // Writes at most kMaxPathLength characters of the path.
    void Write(ByteWriter& writer) const;

    bool operator==(const OdometerRecord&) const = default;

    bool showDistance = true;
    bool showFuelUsed = true;
    bool showRunTime = true;
    bool showMpg = true;
    bool showAverageSpeed = true;
    // A locked odometer's trip is not ended by a double-click or the properties dialog.
    bool locked = false;
    // Empty for a new odometer until it makes its file.
    std::string tripFilePath;

private:
    bool ReadFlags(ByteReader& reader);
    bool ReadPath(ByteReader& reader);
};

}  // namespace rovik
