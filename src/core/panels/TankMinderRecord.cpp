#include "core/panels/TankMinderRecord.h"

#include <cmath>

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
           RecordFields::ReadFlag(reader, horizontal) && ReadTankSize(reader) &&
           reader.ReadShortString(tankFilePath);
}

bool TankMinderRecord::ReadTankSize(ByteReader& reader) {
    double size = 0.0;
    if (!reader.ReadDouble(size)) {
        return false;
    }
    // A size that is no number of gallons (not finite, or none at all) keeps the new tank's.
    if (std::isfinite(size) && size > 0.0) {
        tankSize = size;
    }
    return true;
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
