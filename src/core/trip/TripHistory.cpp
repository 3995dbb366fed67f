#include "core/trip/TripHistory.h"

#include <cmath>

#include "core/io/AtomicFile.h"
#include "core/trip/TripText.h"

namespace rovik {

namespace {
constexpr const char* kRowTemplate = "##/##/##,     #.#,   #:##,   #.#,   #.#,  #.#\r\n";

void Place(std::string& row, std::size_t first, std::size_t last, const std::string& text) {
    row.replace(first, last - first + 1, TripText::Fit(text, last - first + 1));
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
    std::string row = kRowTemplate;
    Place(row, 0, 1, std::to_string(ended.tm_mon + 1));
    Place(row, 3, 4, std::to_string(ended.tm_mday));
    Place(row, 6, 7, std::to_string(ended.tm_year + 1900));
    Place(row, 9, 16, TripText::OneDecimal(trip.distance));
    Place(row, 19, 21, TripText::WholeHours(trip.hours));
    Place(row, 23, 24, TripText::Minutes(trip.hours));
    Place(row, 26, 31, TripText::OneDecimal(trip.fuel));
    Place(row, 33, 38, TripText::OneDecimal(trip.averageSpeed));
    Place(row, 40, 44, TripText::OneDecimal(trip.mpg));
    return row;
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
