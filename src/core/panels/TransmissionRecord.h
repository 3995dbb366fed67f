#pragma once

#include "core/panels/PanelRecord.h"
#include "core/panels/TextAlignment.h"

namespace rovik {

// The screen-file record of a transmission indicator: which of the two range letters it
// shows, and where in its half. The letters themselves are not kept.
struct TransmissionRecord : PanelRecord {
    TransmissionRecord() { kind = PanelKind::kTransmission; }

    // Reads what follows the kind code; fields not held whole keep their values.
    bool Read(ByteReader& reader);
    void Write(ByteWriter& writer) const;

    bool operator==(const TransmissionRecord&) const = default;

    bool showGearAttained = true;
    bool showGearSelected = true;
    TextAlignment alignment = TextAlignment::Centre;
};

}  // namespace rovik
