#pragma once

#include <ctime>
#include <string>

#include "core/trip/TripValues.h"

namespace rovik {

// The plain-text file beside a trip file that lists every finished trip, one fixed-width
// row each under a short header. Users may add notes to it; the program only appends.
struct TripHistory {
    // A row's length while every value fits its column.
    static constexpr std::size_t kRowLength = 47;

    // The trip file's path with ".TXT" added.
    static std::string PathFor(const std::string& tripFilePath);
    static std::string Header();
    // One row: the date the trip ended and its values, each right-aligned in its column;
    // a value wider than its column widens it, so lifetime totals keep every digit.
    static std::string Row(const std::tm& ended, const TripValues& trip);
    // Creates the file, or empties one that exists, with the header alone.
    static bool Create(const std::string& path);
    // Adds the row at the end of the file. A file that does not exist is not made again:
    // false, and nothing written.
    static bool Append(const std::string& path, const std::string& row);
};

}  // namespace rovik
