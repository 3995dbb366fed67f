#pragma once

#include <optional>
#include <string>

namespace rovik {

// The program's command line. Its one switch is found however it is typed; the path after it
// keeps its case, as file names on this system depend on it.
class CommandLine {
public:
    explicit CommandLine(std::string text);

    // The recording named by "demo=", up to the first space; empty when "demo=" ends the
    // line; nothing when the switch is absent.
    std::optional<std::string> DemoSource() const;

private:
    std::string text;
    std::string lowered;
};

}  // namespace rovik
