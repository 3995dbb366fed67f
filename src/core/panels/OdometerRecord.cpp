#include "core/panels/OdometerRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/panels/RecordFields.h"

namespace rovik {

namespace {
constexpr std::uint32_t kShowFuelUsedBit = 1;
constexpr std::uint32_t kLockedBit = 2;
}  // namespace

bool OdometerRecord::Read(ByteReader& reader) {
    return PanelRecord::Read(reader) && ReadFlags(reader) &&
           RecordFields::ReadFlag(reader, showRunTime) &&
           RecordFields::ReadFlag(reader, showDistance) &&
           RecordFields::ReadFlag(reader, showMpg) &&
           RecordFields::ReadFlag(reader, showAverageSpeed) &&
           RecordFields::ReadAlignment(reader, alignment) &&
           RecordFields::ReadFlag(reader, showCaptions) &&
           RecordFields::ReadFlag(reader, showUnits) &&
           RecordFields::ReadFlag(reader, horizontal) && ReadPath(reader);
}

bool OdometerRecord::ReadFlags(ByteReader& reader) {
    std::uint32_t flags = 0;
    if (!reader.ReadU32(flags)) {
        return false;
    }
    showFuelUsed = (flags & kShowFuelUsedBit) != 0;
    locked = (flags & kLockedBit) != 0;
    return true;
}

bool OdometerRecord::ReadPath(ByteReader& reader) {
    // A path's characters are never 0, so an older record's length byte followed by its
    // first characters reads as a length far above any this program writes.
    std::uint32_t length = 0;
    bool fourBytes = reader.PeekU32(length) && length <= kMaxPathLength;
    if (fourBytes) {
        reader.ReadU32(length);
    } else {
        std::uint8_t shortLength = 0;
        if (!reader.ReadU8(shortLength)) {
            return false;
        }
        length = shortLength;
    }
    return reader.ReadChars(length, tripFilePath);
}

void OdometerRecord::Write(ByteWriter& writer) const {
    PanelRecord::Write(writer);
    writer.WriteU32((showFuelUsed ? kShowFuelUsedBit : 0) | (locked ? kLockedBit : 0));
    for (bool flag : {showRunTime, showDistance, showMpg, showAverageSpeed}) {
        writer.WriteU32(flag ? 1 : 0);
    }
    writer.WriteU32(static_cast<std::uint32_t>(alignment));
    for (bool flag : {showCaptions, showUnits, horizontal}) {
        writer.WriteU32(flag ? 1 : 0);
    }
    const std::string path = tripFilePath.substr(0, kMaxPathLength);
    writer.WriteU32(static_cast<std::uint32_t>(path.size()));
    writer.WriteChars(path);
}

}  // namespace rovik
