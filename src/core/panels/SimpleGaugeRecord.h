#pragma once

#include <cstdint>

#include "core/panels/PanelRecord.h"

namespace rovik {

// How a gauge's text sits in its row; the numbers are those stored in the file.
enum class TextAlignment : std::uint32_t { Left = 0, Centre = 1, Right = 2 };

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
