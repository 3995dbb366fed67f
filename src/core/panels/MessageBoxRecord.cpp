#include "core/panels/MessageBoxRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/panels/RecordFields.h"

namespace rovik {

bool MessageBoxRecord::Read(ByteReader& reader) {
    return PanelRecord::Read(reader) && reader.ReadU8(messageLines) && reader.ReadU16(filterPid) &&
           RecordFields::ReadFlag(reader, limitToFilter);
}

void MessageBoxRecord::Write(ByteWriter& writer) const {
    PanelRecord::Write(writer);
    writer.WriteU8(messageLines);
    writer.WriteU16(filterPid);
    writer.WriteU32(limitToFilter ? 1 : 0);
}

}  // namespace rovik
