#include "core/panels/TransmissionLetters.h"

#include <cstdint>

#include "core/values/Pids.h"
#include "core/values/ValueLookup.h"

namespace rovik {

void TransmissionLetters::Take(const ValueLookup& values, unsigned pid, char& letter) {
    const std::uint8_t* raw = values.GetRawBytes(pid);
    if (values.GetUpdateCount(pid) == 0 || raw == nullptr) {
        return;
    }
    // A control character would draw as nothing, or as a box, and mean nothing.
    const bool printable = raw[0] >= 0x20 && raw[0] < 0x7F;
    letter = printable ? static_cast<char>(raw[0]) : kUnknown;
}

bool TransmissionLetters::Update(const ValueLookup& values) {
    Take(values, pid::kRangeSelected, selected);
    Take(values, pid::kRangeAttained, attained);
    return selected != selectedDrawn || attained != attainedDrawn;
}

void TransmissionLetters::Drawn() {
    selectedDrawn = selected;
    attainedDrawn = attained;
}

}  // namespace rovik
