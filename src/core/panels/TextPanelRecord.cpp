#include "core/panels/TextPanelRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/panels/RecordFields.h"

namespace rovik {

bool TextPanelRecord::Read(ByteReader& reader) {
    return PanelRecord::Read(reader) && RecordFields::ReadAlignment(reader, alignment) &&
           reader.ReadShortString(text);
}

void TextPanelRecord::Write(ByteWriter& writer) const {
    PanelRecord::Write(writer);
    writer.WriteU32(static_cast<std::uint32_t>(alignment));
    writer.WriteShortString(text);
}

}  // namespace rovik
