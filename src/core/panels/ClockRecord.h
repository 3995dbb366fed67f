#pragma once

#include "core/panels/PanelRecord.h"

namespace rovik {

// The screen-file record of a clock: the common fields alone.
struct ClockRecord : PanelRecord {
    ClockRecord() { kind = PanelKind::kClock; }

    bool operator==(const ClockRecord&) const = default;
};

}  // namespace rovik
