#pragma once

#include <optional>
#include <string>

namespace rovik {

// The program's command line, lower-cased so its one switch is found however it is typed.
class CommandLine {
public:
    explicit CommandLine(const std::string& text);

    // The recording named by "demo=", up to the first space; empty when "demo=" ends the
    // line; nothing when the switch is absent.
    std::optional<std::string> DemoSource() const;
    const std::string& Text() const { return lowered; }

private:
    std::string lowered;
};

}  // namespace rovik
