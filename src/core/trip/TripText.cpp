#include "core/trip/TripText.h"

#include <cmath>
#include <cstdio>

namespace rovik {

namespace {
std::string Print(const char* format, double value) {
    // The largest double prints in "%.1f" as 311 digits and a sign.
    char text[400];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A trip's hours are the difference of two totals, so a trip of 125 minutes may come out a
// hair short of it; taken to the second it shows as 2:05, not 2:04. Minutes are still cut.
double WholeSeconds(double hours) {
    return std::round(hours * 3600.0);
}
}  // namespace

std::string TripText::OneDecimal(double value) {
    return Print("%.1f", value);
}

std::string TripText::NoDecimals(double value) {
    return Print("%.0f", value);
}

std::string TripText::WholeHours(double hours) {
    return NoDecimals(std::floor(WholeSeconds(hours) / 3600.0));
}

std::string TripText::Minutes(double hours) {
    double minutes = std::floor(std::fmod(WholeSeconds(hours), 3600.0) / 60.0);
    // Only a value that is no number falls outside; it shows as no minutes.
    int whole = minutes >= 0.0 && minutes < 60.0 ? static_cast<int>(minutes) : 0;
    char text[8];
    std::snprintf(text, sizeof text, "%.2d", whole);
    return text;
}

std::string TripText::Time(double hours) {
    return WholeHours(hours) + ":" + Minutes(hours);
}

std::string TripText::Fit(const std::string& text, std::size_t width) {
    if (text.size() >= width) {
        return text;
    }
    return std::string(width - text.size(), ' ') + text;
}

}  // namespace rovik
