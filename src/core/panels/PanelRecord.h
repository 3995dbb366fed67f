#pragma once

#include "core/panels/ColorRef.h"
#include "core/panels/PanelKind.h"
#include "core/panels/PanelRect.h"

namespace rovik {

class ByteReader;
class ByteWriter;

// The part of a panel's screen-file record that every kind shares; on its own, the record of
// a blank panel. The defaults are those of a new panel.
struct PanelRecord {
    // A new panel with an empty rectangle is placed as a square of this size.
    static constexpr std::int32_t kNewPanelSize = 160;

    // Reads what follows the kind code. A field the file does not hold whole keeps its value;
    // false when the file ended inside the record.
    bool Read(ByteReader& reader);
    // Writes the kind code and the common fields.
    void Write(ByteWriter& writer) const;

    // Where the panel goes in a parent whose client area starts at (0, 0): its rectangle,
    // or a new-panel square in the top-left corner when the rectangle is empty.
    PanelRect PlacedRect() const;

    bool operator==(const PanelRecord&) const = default;

    // Set by each kind's constructor; the screen-file reader relies on it matching the type.
    char kind = PanelKind::kBlank;
    PanelRect rect;
    ColorRef background = kWhite;
};

}  // namespace rovik
