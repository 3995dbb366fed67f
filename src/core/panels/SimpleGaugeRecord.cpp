#include "core/panels/SimpleGaugeRecord.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/io/PidBytes.h"
#include "core/panels/RecordFields.h"

namespace rovik {

bool SimpleGaugeRecord::Read(ByteReader& reader) {
    return PanelRecord::Read(reader) && PidBytes::Read(reader, pid) &&
           RecordFields::ReadFlag(reader, showWarningLamp) &&
           RecordFields::ReadFlag(reader, showGaugeName) &&
           RecordFields::ReadFlag(reader, showValue) && RecordFields::ReadFlag(reader, showUnit) &&
           RecordFields::ReadFlag(reader, showGraph) &&
           RecordFields::ReadFlag(reader, useAbbreviation) &&
           RecordFields::ReadAlignment(reader, alignment);
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
