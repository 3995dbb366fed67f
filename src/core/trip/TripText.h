#pragma once

#include <string>

namespace rovik {

// How trip and tank numbers are printed on the panels and in the history file.
struct TripText {
    // "%.1f" and "%.0f"; any size of number fits.
    static std::string OneDecimal(double value);
    static std::string NoDecimals(double value);
    // The whole hours, and the minutes past them as two digits, of the time taken to the
    // nearest second: minutes are cut, never rounded, so 2.999 hours is 2 and 59.
    static std::string WholeHours(double hours);
    static std::string Minutes(double hours);
    // "H:MM".
    static std::string Time(double hours);
    // The text right-aligned in width characters: padded with spaces on the left. A longer
    // text is kept whole, so no digit of a large number is lost.
    static std::string Fit(const std::string& text, std::size_t width);
};

}  // namespace rovik
