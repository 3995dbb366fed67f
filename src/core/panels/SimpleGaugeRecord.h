#pragma once

#include <cstdint>

#include "core/panels/PanelRecord.h"
#include "core/panels/TextAlignment.h"

namespace rovik {

// The screen-file record of a simple gauge: one parameter's name, lamp, value and bar.
struct SimpleGaugeRecord : PanelRecord {
    SimpleGaugeRecord() { kind = PanelKind::kSimpleGauge; }

    // Reads what follows the kind code; fields not held whole keep their values. An
    // alignment the program does not know reads as Left.
    bool Read(ByteReader& reader);
    void Write(ByteWriter& writer) const;

    bool operator==(const SimpleGaugeRecord&) const = default;

    std::uint16_t pid = 84;
    bool showWarningLamp = false;
    bool showGaugeName = true;
    bool showValue = true;
    bool showUnit = true;
    bool showGraph = true;
    bool useAbbreviation = false;
    TextAlignment alignment = TextAlignment::Left;
};

}  // namespace rovik
