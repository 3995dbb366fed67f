#include "core/panels/TireGaugeRecord.h"

#include "core/io/ByteWriter.h"
#include "core/panels/RecordFields.h"

namespace rovik {

bool TireGaugeRecord::Read(ByteReader& reader) {
    return PanelRecord::Read(reader) && RecordFields::ReadFlag(reader, showIcon) &&
           RecordFields::ReadFlag(reader, showPressure);
}

void TireGaugeRecord::Write(ByteWriter& writer) const {
    PanelRecord::Write(writer);
    writer.WriteU32(showIcon ? 1 : 0);
    writer.WriteU32(showPressure ? 1 : 0);
}

}  // namespace rovik
