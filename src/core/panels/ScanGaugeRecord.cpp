#include "core/panels/ScanGaugeRecord.h"

#include <algorithm>

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/io/PidBytes.h"

namespace rovik {

bool ScanGaugeRecord::Read(ByteReader& reader) {
    std::uint32_t count = 0;
    return SimpleGaugeRecord::Read(reader) && reader.ReadU32(dwell) && reader.ReadU32(count) &&
           ReadScanList(reader, count);
}

bool ScanGaugeRecord::ReadScanList(ByteReader& reader, std::uint32_t count) {
    std::vector<std::uint16_t> kept;
    // A damaged count can be huge, but the first read past the end stops the loop.
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint16_t entry = 0;
        if (!PidBytes::Read(reader, entry)) {
            return false;
        }
        if (kept.size() < kMaxScanCount) {
            kept.push_back(entry);
        }
    }
    scanList = kept.empty() ? std::vector<std::uint16_t>{pid} : std::move(kept);
    return true;
}

void ScanGaugeRecord::Write(ByteWriter& writer) const {
    SimpleGaugeRecord::Write(writer);
    std::size_t count = std::min(scanList.size(), kMaxScanCount);
    writer.WriteU32(dwell);
    writer.WriteU32(static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        PidBytes::Write(writer, scanList[i]);
    }
}

void ScanGaugeRecord::SetScanList(std::vector<std::uint16_t> chosen) {
    if (chosen.empty()) {
        chosen.push_back(0);
    }
    if (chosen.size() > kMaxScanCount) {
        chosen.resize(kMaxScanCount);
    }
    scanList = std::move(chosen);
}

}  // namespace rovik
