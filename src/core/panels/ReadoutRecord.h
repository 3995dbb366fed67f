#pragma once

#include "core/panels/PanelRecord.h"
#include "core/panels/TextAlignment.h"

namespace rovik {

// The look shared by the panels that show a few numbers, each with a caption above it and a
// unit below or beside it: the trip odometer and the tank minder. Each kind stores these
// fields in its own order.
struct ReadoutRecord : PanelRecord {
    bool operator==(const ReadoutRecord&) const = default;

    TextAlignment alignment = TextAlignment::Left;
    bool showCaptions = true;
    bool showUnits = true;
    // Side by side in columns; otherwise one above the other.
    bool horizontal = false;
};

}  // namespace rovik
