#include "core/panels/TransmissionRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/panels/RecordFields.h"

namespace rovik {

bool TransmissionRecord::Read(ByteReader& reader) {
    return PanelRecord::Read(reader) && RecordFields::ReadFlag(reader, showGearAttained) &&
           RecordFields::ReadFlag(reader, showGearSelected) &&
           RecordFields::ReadAlignment(reader, alignment);
}

void TransmissionRecord::Write(ByteWriter& writer) const {
    PanelRecord::Write(writer);
    writer.WriteU32(showGearAttained ? 1 : 0);
    writer.WriteU32(showGearSelected ? 1 : 0);
    writer.WriteU32(static_cast<std::uint32_t>(alignment));
}

}  // namespace rovik
