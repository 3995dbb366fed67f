#include "core/link/BoxPollCycle.h"

#include <array>

namespace rovik {

namespace {
// The box's two statistics queries three times a round, and once each the two registers the
// dialog shows.
constexpr std::array<std::string_view, BoxPollCycle::kSteps> kCommands = {
    "?", "Z", "R0001\n\r", "R0006\n\r", "", "?", "Z", "", "", "?", "Z", "", ""};
}  // namespace

std::string_view BoxPollCycle::Next() {
    step = (step + 1) % kSteps;
    return kCommands[static_cast<std::size_t>(step)];
}

}  // namespace rovik
