#include "core/panels/HistogramRecord.h"

#include <algorithm>

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/panels/PidList.h"

namespace rovik {

bool HistogramRecord::Read(ByteReader& reader) {
    std::vector<std::uint16_t> kept;
    if (!(PanelRecord::Read(reader) && PidList::Read(reader, kept))) {
        return false;
    }
    SetPids(std::move(kept));
    if (!reader.ReadU32(updateRate)) {
        return false;
    }
    updateRate = std::clamp(updateRate, kFastestRate, kSlowestRate);
    return true;
}

void HistogramRecord::Write(ByteWriter& writer) const {
    PanelRecord::Write(writer);
    PidList::Write(writer, pids);
    writer.WriteU32(updateRate);
}

void HistogramRecord::SetPids(std::vector<std::uint16_t> chosen) {
    pids = PidList::Chosen(std::move(chosen), pid::kRoadSpeed);
}

}  // namespace rovik
