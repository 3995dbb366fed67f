#include "core/panels/PidList.h"

#include <algorithm>

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/io/PidBytes.h"

namespace rovik {

bool PidList::Read(ByteReader& reader, std::vector<std::uint16_t>& list) {
    std::uint32_t count = 0;
    if (!reader.ReadU32(count)) {
        return false;
    }
    std::vector<std::uint16_t> kept;
    // A damaged count can be huge, but the first read past the end stops the loop.
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint16_t entry = 0;
        if (!PidBytes::Read(reader, entry)) {
            return false;
        }
        if (kept.size() < kMaxCount) {
            kept.push_back(entry);
        }
    }
    list = std::move(kept);
    return true;
}

void PidList::Write(ByteWriter& writer, const std::vector<std::uint16_t>& list) {
    const std::size_t count = std::min(list.size(), kMaxCount);
    writer.WriteU32(static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        PidBytes::Write(writer, list[i]);
    }
}

std::vector<std::uint16_t> PidList::Chosen(std::vector<std::uint16_t> chosen,
                                           std::uint16_t whenNone) {
    if (chosen.empty()) {
        chosen.push_back(whenNone);
    }
    if (chosen.size() > kMaxCount) {
        chosen.resize(kMaxCount);
    }
    return chosen;
}

}  // namespace rovik
