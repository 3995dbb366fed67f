#include "core/panels/PictureRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

namespace rovik {

bool PictureRecord::Read(ByteReader& reader) {
    return PanelRecord::Read(reader) && reader.ReadShortString(path);
}

void PictureRecord::Write(ByteWriter& writer) const {
    PanelRecord::Write(writer);
    writer.WriteShortString(path);
}

}  // namespace rovik
