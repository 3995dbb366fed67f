#pragma once

#include <cstdint>
#include <vector>

#include "core/panels/PanelRecord.h"
#include "core/panels/TextAlignment.h"
#include "core/values/Pids.h"

namespace rovik {

// The screen-file record of a multibar: a vertical bar for each PID of its list, side by
// side, with rows of names, values and units beneath.
struct MultibarRecord : PanelRecord {
    MultibarRecord() { kind = PanelKind::kMultibar; }

    // Reads what follows the kind code; fields not held whole keep their values. The list
    // reads as PidList does; an empty one shows road speed, as a new multibar does.
    bool Read(ByteReader& reader);
    void Write(ByteWriter& writer) const;
    // Takes the PIDs chosen in the properties dialog, as PidList::Chosen gives them.
    void SetPids(std::vector<std::uint16_t> chosen);

    bool operator==(const MultibarRecord&) const = default;

    std::vector<std::uint16_t> pids{pid::kRoadSpeed};
    bool showGaugeName = true;
    bool showValue = true;
    bool showUnit = true;
    TextAlignment alignment = TextAlignment::Left;
};

}  // namespace rovik
