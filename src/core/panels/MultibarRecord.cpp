#include "core/panels/MultibarRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/panels/PidList.h"
#include "core/panels/RecordFields.h"

namespace rovik {

bool MultibarRecord::Read(ByteReader& reader) {
    std::vector<std::uint16_t> kept;
    if (!(PanelRecord::Read(reader) && PidList::Read(reader, kept))) {
        return false;
    }
    SetPids(std::move(kept));
    return RecordFields::ReadFlag(reader, showGaugeName) &&
           RecordFields::ReadFlag(reader, showValue) && RecordFields::ReadFlag(reader, showUnit) &&
           RecordFields::ReadAlignment(reader, alignment);
}

void MultibarRecord::Write(ByteWriter& writer) const {
    PanelRecord::Write(writer);
    PidList::Write(writer, pids);
    for (bool flag : {showGaugeName, showValue, showUnit}) {
        writer.WriteU32(flag ? 1 : 0);
    }
    writer.WriteU32(static_cast<std::uint32_t>(alignment));
}

void MultibarRecord::SetPids(std::vector<std::uint16_t> chosen) {
    pids = PidList::Chosen(std::move(chosen), pid::kRoadSpeed);
}

}  // namespace rovik
