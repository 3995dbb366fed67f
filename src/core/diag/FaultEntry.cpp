#include "core/diag/FaultEntry.h"

#include <cstdio>

#include "core/diag/FaultNames.h"
#include "platform/LocalTime.h"

namespace rovik {

namespace {
// J1939 controllers with a J1587 counterpart take its MID; the others are shown by their
// J1939 address.
std::uint8_t MidOfJ1939Address(std::uint8_t address) {
    switch (address) {
        case 0:
            return 128;
        case 3:
            return 130;
        case 11:
            return 136;
        default:
            return address;
    }
}

std::string SourceName(std::uint8_t source) {
    switch (source) {
        case 128:
            return "ENG";
        case 130:
            return "TRN";
        case 136:
            return "ABS";
        default:
            return std::to_string(source);
    }
}

const char* TypeName(FaultEntry::Type type) {
    switch (type) {
        case FaultEntry::Type::Pid:
            return "PID";
        case FaultEntry::Type::Sid:
            return "SID";
        case FaultEntry::Type::Spn:
            return "SPN";
    }
    return "???";
}

// Five columns hold every J1587 code and most SPNs. A six-digit SPN takes the blank column
// before it too, so the number stays whole and the columns after it stay in place.
std::string CodeText(std::uint32_t code) {
    char text[16];
    if (code > 999999) {
        code %= 1000000;
    }
    std::snprintf(text, sizeof text, code > 99999 ? "%6u" : " %5u", static_cast<unsigned>(code));
    return text;
}

std::string WhenText(const FaultEntry& entry) {
    if (!entry.active) {
        return "** INACTIVE **";
    }
    std::tm local = LocalTime::Of(entry.time);
    char text[32];
    std::snprintf(text, sizeof text, "%2d/%2d/%2d %2d:%02d", local.tm_mon + 1, local.tm_mday,
                  local.tm_year % 100, local.tm_hour, local.tm_min);
    return text;
}
}  // namespace

std::string FaultEntry::Line() const {
    const std::string component =
        type == Type::Sid ? FaultNames::Subsystem(source, code) : FaultNames::Component(code);
    char line[kLineWidth + 1];
    const std::uint8_t mid = type == Type::Spn ? MidOfJ1939Address(source) : source;
    std::snprintf(line, sizeof line, "%3s %s%s %2u %s %s %s", SourceName(mid).c_str(),
                  TypeName(type), CodeText(code).c_str(), static_cast<unsigned>(fmi),
                  component.c_str(), FaultNames::FailureMode(fmi).c_str(), WhenText(*this).c_str());
    return line;
}

}  // namespace rovik
