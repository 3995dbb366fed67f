#pragma once

#include "core/panels/PanelRecord.h"

namespace rovik {

// The screen-file record of a tire gauge: whether it draws each tire's state as a coloured
// icon and its pressure as a number.
struct TireGaugeRecord : PanelRecord {
    TireGaugeRecord() { kind = PanelKind::kTireGauge; }

    // Reads what follows the kind code; fields not held whole keep their values.
    bool Read(ByteReader& reader);
    void Write(ByteWriter& writer) const;

    bool operator==(const TireGaugeRecord&) const = default;

    bool showIcon = true;
    bool showPressure = true;
};

}  // namespace rovik
