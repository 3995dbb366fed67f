#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vxbsim/BoxCommand.h"

namespace vxbsim {

// Cuts what the program sends into commands. "V" stands alone; "R", "M", "G", "T" and "S"
// start a line that any of CR or LF ends; "SEND" starts a binary J1708 frame. Commands may be
// split across reads. J1708 transmissions, queries and the fuel meter reset are read and
// passed over, as is anything malformed. Used by one thread only.
class CommandParser {
public:
    // A line longer than any command is noise and is dropped.
    static constexpr std::size_t kMaxLine = 32;

    std::vector<BoxCommand> Feed(std::string_view bytes);

private:
    void Take(unsigned char c, std::vector<BoxCommand>& commands);
    void AppendToLine(unsigned char c);
    static std::optional<BoxCommand> ParseLine(std::string_view line);
    static std::optional<BoxCommand> ParseTransmit(std::string_view line);

    std::string line;
    bool awaitingCount = false;
    std::size_t toSkip = 0;
};

}  // namespace vxbsim
