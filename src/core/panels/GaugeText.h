#pragma once

#include <string>

namespace rovik {

class Parameter;
struct SimpleGaugeRecord;

// The text a gauge shows in its rows.
struct GaugeText {
    // Used in place of a parameter's format that does not print exactly one floating-point
    // number, since the format comes from a file and printf trusts it blindly.
    static constexpr const char* kFallbackFormat = "%.1f";

    // Whether printf can be trusted with this format and one double: it prints exactly one
    // floating-point number, with small widths and precisions, and plain text besides.
    static bool TakesOneDouble(const std::string& format);
    // The value printed with the format (or the fallback), at most 255 characters.
    static std::string FormatValue(const std::string& format, double value);
    // The value row: the value when shown, then " " and the unit when shown.
    static std::string ValueRow(const SimpleGaugeRecord& gauge, const Parameter& parameter,
                                double value);
    // The parameter's name, value and unit in words, as a screen reader says what a gauge
    // shows: "ROAD SPEED, 30.0 MPH".
    static std::string Reading(const Parameter& parameter, double value);
    // The top row: the parameter's name, or its abbreviation.
    static const std::string& Caption(const SimpleGaugeRecord& gauge, const Parameter& parameter);
};

}  // namespace rovik
