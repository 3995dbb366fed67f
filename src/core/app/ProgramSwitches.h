#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rovik {

// The switches that ask the program for something other than a dashboard: its usage, its
// version, or a message in a window of its own (how the desktop launcher, which has no
// terminal, reports what kept the dashboard from starting). Everything else is left to the
// dashboard, which ignores what it does not know.
class ProgramSwitches {
public:
    // The arguments after the program's name.
    explicit ProgramSwitches(const std::vector<std::string>& arguments);

    // The usage or the version, to print instead of starting; nothing otherwise.
    std::optional<std::string> TextToPrint() const;
    // The text after "--message"; nothing when the switch is absent or ends the line.
    const std::optional<std::string>& Message() const { return message; }

private:
    bool help = false;
    bool version = false;
    std::optional<std::string> message;
};

}  // namespace rovik
