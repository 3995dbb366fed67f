#include "vxbsim/J1587Item.h"

#include "vxbsim/RawValue.h"

namespace vxbsim {

namespace {
constexpr std::uint8_t kOccurrenceFollows = 0x80;
constexpr std::uint8_t kInactive = 0x40;
constexpr std::uint8_t kStandardCode = 0x20;
constexpr std::uint8_t kSubsystem = 0x10;

std::uint8_t DiagnosticByte(const J1587Fault& fault) {
    std::uint8_t d = fault.fmi & 0x0F;
    if (fault.occurrences > 0) {
        d |= kOccurrenceFollows;
    }
    if (fault.inactive) {
        d |= kInactive;
    }
    if (fault.isSid) {
        d |= kSubsystem;
    }
    if (!fault.expansion) {
        d |= kStandardCode;
    }
    return d;
}
}  // namespace

Message J1587Item::OneByte(std::uint8_t pid, double value, double resolution) {
    auto raw = RawValue::Of(value, resolution, 0.0, 0xFF);
    return {pid, static_cast<std::uint8_t>(raw)};
}

Message J1587Item::TwoBytes(std::uint8_t pid, double value, double resolution) {
    auto raw = RawValue::Of(value, resolution, 0.0, 0xFFFF);
    return {pid, static_cast<std::uint8_t>(raw), static_cast<std::uint8_t>(raw >> 8)};
}

Message J1587Item::Counted(std::uint8_t pid, double value, double resolution, std::uint8_t count) {
    std::uint32_t largest = count >= 4 ? 0xFFFFFFFF : (1u << (8 * count)) - 1;
    auto raw = RawValue::Of(value, resolution, 0.0, largest);
    Message item = {pid, count};
    for (std::uint8_t i = 0; i < count; ++i) {
        item.push_back(i < 4 ? static_cast<std::uint8_t>(raw >> (8 * i)) : 0);
    }
    return item;
}

Message J1587Item::Characters(std::uint8_t pid, const std::string& two) {
    return {pid, static_cast<std::uint8_t>(two.at(0)), static_cast<std::uint8_t>(two.at(1))};
}

Message J1587Item::Diagnostic(const std::vector<J1587Fault>& faults) {
    Message item = {kDiagnosticPid, 0};
    for (const J1587Fault& fault : faults) {
        item.push_back(fault.code);
        item.push_back(DiagnosticByte(fault));
        if (fault.occurrences > 0) {
            item.push_back(fault.occurrences);
        }
    }
    item[1] = static_cast<std::uint8_t>(item.size() - 2);  // the count covers what follows it
    return item;
}

}  // namespace vxbsim
