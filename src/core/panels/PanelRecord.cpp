#include "core/panels/PanelRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

namespace rovik {

namespace {
// All four edges or none: half a rectangle would place the panel nowhere sensible.
bool ReadRect(ByteReader& reader, PanelRect& rect) {
    std::uint32_t edges[4] = {};
    for (std::uint32_t& edge : edges) {
        if (!reader.ReadU32(edge)) {
            return false;
        }
    }
    rect = {static_cast<std::int32_t>(edges[0]), static_cast<std::int32_t>(edges[1]),
            static_cast<std::int32_t>(edges[2]), static_cast<std::int32_t>(edges[3])};
    return true;
}
}  // namespace

bool PanelRecord::Read(ByteReader& reader) {
    return ReadRect(reader, rect) && reader.ReadU32(background);
}

void PanelRecord::Write(ByteWriter& writer) const {
    writer.WriteU8(static_cast<std::uint8_t>(kind));
    for (std::int32_t edge : {rect.left, rect.top, rect.right, rect.bottom}) {
        writer.WriteU32(static_cast<std::uint32_t>(edge));
    }
    writer.WriteU32(background);
}

PanelRect PanelRecord::PlacedRect() const {
    if (!rect.IsEmpty()) {
        return rect;
    }
    return {0, 0, kNewPanelSize, kNewPanelSize};
}

}  // namespace rovik
