#include "core/panels/GaugeText.h"

#include <cctype>
#include <cstdio>
#include <string_view>

#include "core/panels/SimpleGaugeRecord.h"
#include "core/params/Parameter.h"

namespace rovik {

namespace {
enum class Conversion { Percent, Floating, Unsafe };

bool Among(std::string_view set, const std::string& text, std::size_t at) {
    return at < text.size() && set.find(text[at]) != std::string_view::npos;
}

// Two digits at most: a huge width or precision would have printf build a huge string.
bool SkipSmallNumber(const std::string& format, std::size_t& at) {
    std::size_t start = at;
    while (at < format.size() && std::isdigit(static_cast<unsigned char>(format[at]))) {
        ++at;
    }
    return at - start <= 2;
}

// The conversion whose '%' is just before at; at moves past it.
Conversion ParseConversion(const std::string& format, std::size_t& at) {
    if (Among("%", format, at)) {
        ++at;
        return Conversion::Percent;
    }
    while (Among("-+ #0", format, at)) {
        ++at;
    }
    if (!SkipSmallNumber(format, at)) {
        return Conversion::Unsafe;
    }
    if (Among(".", format, at) && !SkipSmallNumber(format, ++at)) {
        return Conversion::Unsafe;
    }
    if (Among("l", format, at)) {
        ++at;
    }
    if (!Among("fFeEgGaA", format, at)) {
        return Conversion::Unsafe;
    }
    ++at;
    return Conversion::Floating;
}

}  // namespace

bool GaugeText::TakesOneDouble(const std::string& format) {
    int floating = 0;
    for (std::size_t at = 0; at < format.size();) {
        if (format[at++] != '%') {
            continue;
        }
        Conversion conversion = ParseConversion(format, at);
        if (conversion == Conversion::Unsafe) {
            return false;
        }
        floating += conversion == Conversion::Floating ? 1 : 0;
    }
    return floating == 1;
}

std::string GaugeText::FormatValue(const std::string& format, double value) {
    const char* safe = TakesOneDouble(format) ? format.c_str() : kFallbackFormat;
    char text[256];
    if (std::snprintf(text, sizeof text, safe, value) < 0) {
        return {};
    }
    return text;
}

std::string GaugeText::ValueRow(const SimpleGaugeRecord& gauge, const Parameter& parameter,
                                double value) {
    std::string text = gauge.showValue ? FormatValue(parameter.format, value) : "";
    if (gauge.showUnit) {
        text += " " + parameter.unit;
    }
    return text;
}

std::string GaugeText::Reading(const Parameter& parameter, double value) {
    std::string text = parameter.name + ", " + FormatValue(parameter.format, value);
    return parameter.unit.empty() ? text : text + " " + parameter.unit;
}

const std::string& GaugeText::Caption(const SimpleGaugeRecord& gauge, const Parameter& parameter) {
    return gauge.useAbbreviation ? parameter.abbreviation : parameter.name;
}

}  // namespace rovik
