#include "core/app/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace rovik {

namespace {
constexpr std::string_view kDemoSwitch = "demo=";
}

CommandLine::CommandLine(std::string given) : text(std::move(given)), lowered(text) {
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
}

std::optional<std::string> CommandLine::DemoSource() const {
    std::size_t found = lowered.find(kDemoSwitch);
    if (found == std::string::npos) {
        return std::nullopt;
    }
    std::size_t start = found + kDemoSwitch.size();
    std::size_t end = text.find(' ', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace rovik
