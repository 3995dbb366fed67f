#include "core/alarms/TextMessage.h"

#include <cmath>

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

namespace rovik {

namespace {
// The low 16 bits of the value cut toward zero to a 32-bit integer. A value beyond that
// integer's range (or no number at all) has none of those bits set.
std::uint16_t LowBits(float value) {
    constexpr float kLimit = 2147483648.0f;
    if (!(std::fabs(value) < kLimit)) {
        return 0;
    }
    return static_cast<std::uint16_t>(static_cast<std::int32_t>(value));
}
}  // namespace

bool TextMessage::Read(ByteReader& reader) {
    TextMessage read;
    if (!reader.ReadU16(read.pid) || !reader.ReadU8(read.triggerType) ||
        !reader.ReadFloat(read.triggerValue) || !reader.ReadU32(read.color) ||
        !reader.ReadShortString(read.text)) {
        return false;
    }
    *this = read;
    return true;
}

void TextMessage::Write(ByteWriter& writer) const {
    writer.WriteU16(pid);
    writer.WriteU8(triggerType);
    writer.WriteFloat(triggerValue);
    writer.WriteU32(color);
    writer.WriteShortString(text);
}

bool TextMessage::Condition(float value) const {
    const std::uint16_t mask = LowBits(triggerValue);
    switch (triggerType) {
        case kOver:
            return value > triggerValue;
        case kUnder:
            return value < triggerValue;
        case kEqual:
            // Equal to the whole: the difference cut toward zero is 0.
            return std::fabs(value - triggerValue) < 1.0f;
        case kBitMatch:
            return (LowBits(value) & mask) == mask;
        case kBitZero:
            return (LowBits(value) & mask) == 0;
        default:
            return false;
    }
}

bool TextMessage::Check(std::optional<float> value) {
    const bool holds = value && Condition(*value);
    if (holds == active) {
        return false;
    }
    active = holds;
    return true;
}

}  // namespace rovik
