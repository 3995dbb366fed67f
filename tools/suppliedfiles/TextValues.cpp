#include "TextValues.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace {
constexpr std::string_view kBlanks = " \t";
constexpr long kLastPid = 511;
constexpr long kEscapePid = 255;

template <typename Number>
std::optional<Number> ReadWhole(std::string_view text, int base) {
    Number parsed{};
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, parsed, base);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return parsed;
}
}  // namespace

std::string TextValues::Trim(std::string_view text) {
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> TextValues::Split(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        pieces.push_back(Trim(text.substr(start, at - start)));
        start = at + 1;
    }
    pieces.push_back(Trim(text.substr(start)));
    return pieces;
}

std::vector<std::string> TextValues::Words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

std::optional<double> TextValues::Number(std::string_view text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long> TextValues::Whole(std::string_view text, long low, long high) {
    std::optional<long> value = ReadWhole<long>(text, 10);
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint16_t> TextValues::Pid(std::string_view text) {
    std::optional<long> pid = Whole(text, 0, kLastPid);
    if (!pid || *pid == kEscapePid) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*pid);
}

std::optional<rovik::ColorRef> TextValues::Color(std::string_view text) {
    constexpr std::size_t kLength = 7;
    if (text.size() != kLength || text.front() != '#') {
        return std::nullopt;
    }
    std::optional<std::uint32_t> rgb = ReadWhole<std::uint32_t>(text.substr(1), 16);
    if (!rgb) {
        return std::nullopt;
    }
    return rovik::Rgb(static_cast<std::uint8_t>(*rgb >> 16), static_cast<std::uint8_t>(*rgb >> 8),
                      static_cast<std::uint8_t>(*rgb));
}

std::optional<bool> TextValues::YesNo(std::string_view text) {
    if (text == "yes" || text == "no") {
        return text == "yes";
    }
    return std::nullopt;
}
