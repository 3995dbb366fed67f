#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/panels/ColorRef.h"

// The pieces the source texts are made of, each read whole or not at all.
struct TextValues {
    static std::string Trim(std::string_view text);
    // The pieces between the separators, each trimmed; an empty text is one empty piece.
    static std::vector<std::string> Split(std::string_view text, char separator);
    // The words between runs of blanks.
    static std::vector<std::string> Words(std::string_view text);

    // A finite decimal number such as "-1", "14.5" or "1e3".
    static std::optional<double> Number(std::string_view text);
    // A whole number from low to high.
    static std::optional<long> Whole(std::string_view text, long low, long high);
    // A PID the data files can hold: 0 to 511 but 255, which they use as an escape.
    static std::optional<std::uint16_t> Pid(std::string_view text);
    // "#RRGGBB", in hexadecimal digits of either case.
    static std::optional<rovik::ColorRef> Color(std::string_view text);
    // "yes" or "no".
    static std::optional<bool> YesNo(std::string_view text);
};
