#include "core/panels/RecordFields.h"

#include "core/io/ByteReader.h"

namespace rovik {

bool RecordFields::ReadFlag(ByteReader& reader, bool& flag) {
    std::uint32_t value = 0;
    if (!reader.ReadU32(value)) {
        return false;
    }
    flag = value != 0;
    return true;
}

bool RecordFields::ReadAlignment(ByteReader& reader, TextAlignment& alignment) {
    std::uint32_t value = 0;
    if (!reader.ReadU32(value)) {
        return false;
    }
    bool known = value <= static_cast<std::uint32_t>(TextAlignment::Right);
    alignment = known ? static_cast<TextAlignment>(value) : TextAlignment::Left;
    return true;
}

}  // namespace rovik
