#pragma once

#include <cstddef>
#include <string>

#include "core/panels/PanelRecord.h"
#include "core/panels/TextAlignment.h"

namespace rovik {

// The screen-file record of a text panel: one line of text and where it sits. The file
// keeps the alignment before the text.
struct TextPanelRecord : PanelRecord {
    // The text's length is kept in one byte.
    static constexpr std::size_t kMaxTextLength = 255;

    TextPanelRecord() { kind = PanelKind::kText; }

    // Reads what follows the kind code; fields not held whole keep their values.
    bool Read(ByteReader& reader);
    // Writes at most kMaxTextLength characters of the text.
    void Write(ByteWriter& writer) const;

    bool operator==(const TextPanelRecord&) const = default;

    TextAlignment alignment = TextAlignment::Left;
    std::string text = "Sample Text";
};

}  // namespace rovik
