#include "core/trip/TripHistory.h"

#include <cstdio>

#include "core/io/AtomicFile.h"
#include "core/trip/TripText.h"

namespace rovik {

namespace {
// The year's last two digits, "09" for 2009.
std::string ShortYear(int year) {
    char text[4];
    std::snprintf(text, sizeof text, "%.2d", (year % 100 + 100) % 100);
    return text;
}

std::string Tenths(double value, std::size_t width) {
    return TripText::Fit(TripText::OneDecimal(value), width);
}

std::vector<std::uint8_t> BytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}
}  // namespace

std::string TripHistory::PathFor(const std::string& tripFilePath) {
    return tripFilePath + ".TXT";
}

std::string TripHistory::Header() {
    return "Trip History File\r\n"
           "Feel free to add notes to this file, but do not move or delete.\r\n"
           "End Date    Miles    Time   Fuel  Speed   MPG\r\n"
           "=============================================\r\n";
}

std::string TripHistory::Row(const std::tm& ended, const TripValues& trip) {
    // Laid out as "##/##/##,     #.#,   #:##,   #.#,   #.#,  #.#". Built column by column, so
    // a value wider than its column widens the row instead of losing digits.
    std::string row = TripText::Fit(std::to_string(ended.tm_mon + 1), 2) + "/";
    row += TripText::Fit(std::to_string(ended.tm_mday), 2) + "/";
    row += ShortYear(ended.tm_year + 1900) + ",";
    row += Tenths(trip.distance, 8) + ", ";
    row += TripText::Fit(TripText::WholeHours(trip.hours), 3) + ":" + TripText::Minutes(trip.hours);
    row += "," + Tenths(trip.fuel, 6) + "," + Tenths(trip.averageSpeed, 6) + ",";
    return row + Tenths(trip.mpg, 5) + "\r\n";
}

bool TripHistory::Create(const std::string& path) {
    return AtomicFile::Write(path, BytesOf(Header()));
}

bool TripHistory::Append(const std::string& path, const std::string& row) {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    if (!bytes) {
        return false;
    }
    bytes->insert(bytes->end(), row.begin(), row.end());
    return AtomicFile::Write(path, *bytes);
}

}  // namespace rovik
