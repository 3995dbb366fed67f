#include "core/panels/SimpleGaugeRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/io/PidBytes.h"

namespace rovik {

namespace {
bool ReadFlag(ByteReader& reader, bool& flag) {
    std::uint32_t value = 0;
    if (!reader.ReadU32(value)) {
        return false;
    }
    flag = value != 0;
    return true;
}

bool ReadAlignment(ByteReader& reader, TextAlignment& alignment) {
    std::uint32_t value = 0;
    if (!reader.ReadU32(value)) {
        return false;
    }
    bool known = value <= static_cast<std::uint32_t>(TextAlignment::Right);
    alignment = known ? static_cast<TextAlignment>(value) : TextAlignment::Left;
    return true;
}
}  // namespace

bool SimpleGaugeRecord::Read(ByteReader& reader) {
    return PanelRecord::Read(reader) && PidBytes::Read(reader, pid) &&
           ReadFlag(reader, showWarningLamp) && ReadFlag(reader, showGaugeName) &&
           ReadFlag(reader, showValue) && ReadFlag(reader, showUnit) &&
           ReadFlag(reader, showGraph) && ReadFlag(reader, useAbbreviation) &&
           ReadAlignment(reader, alignment);
}

void SimpleGaugeRecord::Write(ByteWriter& writer) const {
    PanelRecord::Write(writer);
    PidBytes::Write(writer, pid);
    for (bool flag :
         {showWarningLamp, showGaugeName, showValue, showUnit, showGraph, useAbbreviation}) {
        writer.WriteU32(flag ? 1 : 0);
    }
    writer.WriteU32(static_cast<std::uint32_t>(alignment));
}

}  // namespace rovik
