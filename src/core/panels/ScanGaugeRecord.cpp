#include "core/panels/ScanGaugeRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

namespace rovik {

bool ScanGaugeRecord::Read(ByteReader& reader) {
    std::vector<std::uint16_t> kept;
    if (!(SimpleGaugeRecord::Read(reader) && reader.ReadU32(dwell) &&
          PidList::Read(reader, kept))) {
        return false;
    }
    scanList = kept.empty() ? std::vector<std::uint16_t>{pid} : std::move(kept);
    return true;
}

void ScanGaugeRecord::Write(ByteWriter& writer) const {
    SimpleGaugeRecord::Write(writer);
    writer.WriteU32(dwell);
    PidList::Write(writer, scanList);
}

void ScanGaugeRecord::SetScanList(std::vector<std::uint16_t> chosen) {
    scanList = PidList::Chosen(std::move(chosen), 0);
}

}  // namespace rovik
