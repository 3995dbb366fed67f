#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vxbsim/BoxCommand.h"

namespace vxbsim {

// Cuts what the program sends into commands. "V", "?", "Z" and "O" stand alone; "R", "M",
// "G", "T" and "S" start a line that any of CR or LF ends; "SEND" starts a binary J1708
// frame: its count, the message and the message's sum. Commands may be split across reads.
// Anything malformed is passed over. Used by one thread only.
class CommandParser {
public:
    // A line longer than any command (an "S" line of 22 bytes) is noise and is dropped.
    static constexpr std::size_t kMaxLine = 45;

    std::vector<BoxCommand> Feed(std::string_view bytes);

private:
    void Take(unsigned char c, std::vector<BoxCommand>& commands);
    void TakeFrameByte(unsigned char c, std::vector<BoxCommand>& commands);
    void AppendToLine(unsigned char c);
    static std::optional<BoxCommand> StandAlone(unsigned char c);
    static std::optional<BoxCommand> ParseLine(std::string_view line);
    static std::optional<BoxCommand> ParseTransmit(std::string_view line);
    static std::optional<BoxCommand> ParseJ1708(std::string_view line);

    std::string line;
    bool awaitingCount = false;
    // The bytes of a "SEND" frame still to come, its sum included.
    std::size_t frameLeft = 0;
    std::vector<std::uint8_t> frame;
};

}  // namespace vxbsim
