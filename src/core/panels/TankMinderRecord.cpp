#include "core/panels/TankMinderRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/panels/RecordFields.h"

namespace rovik {

bool TankMinderRecord::Read(ByteReader& reader) {
    return PanelRecord::Read(reader) && RecordFields::ReadFlag(reader, showFuelRemaining) &&
           RecordFields::ReadFlag(reader, showDistance) &&
           RecordFields::ReadFlag(reader, showMpg) &&
           RecordFields::ReadAlignment(reader, alignment) &&
           RecordFields::ReadFlag(reader, showCaptions) &&
           RecordFields::ReadFlag(reader, showUnits) &&
           RecordFields::ReadFlag(reader, useRecentMpg) &&
           RecordFields::ReadFlag(reader, horizontal) && reader.ReadDouble(tankSize) &&
           reader.ReadShortString(tankFilePath);
}

void TankMinderRecord::Write(ByteWriter& writer) const {
    PanelRecord::Write(writer);
    for (bool flag : {showFuelRemaining, showDistance, showMpg}) {
        writer.WriteU32(flag ? 1 : 0);
    }
    writer.WriteU32(static_cast<std::uint32_t>(alignment));
    for (bool flag : {showCaptions, showUnits, useRecentMpg, horizontal}) {
        writer.WriteU32(flag ? 1 : 0);
    }
    writer.WriteDouble(tankSize);
    writer.WriteShortString(tankFilePath);
}

}  // namespace rovik
