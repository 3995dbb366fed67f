#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/maint/MaintenanceSchedule.h"

namespace rovik {

// Reads maintenance.rvk: one value a line, taken by position. It reads what it can of a
// damaged file: a value that is not what its line needs (a date that is no date, a number
// that is no number, a count out of reason) leaves the default of a new item, a due date
// or mileage that cannot be read is worked out from the last instance again, and the file
// ends wherever its bytes end, whatever its counts say.
class MaintenanceFileReader {
public:
    // New items made while reading are last performed now at this total distance.
    MaintenanceFileReader(const std::vector<std::uint8_t>& bytes, Moment now, double distance)
        : bytes(bytes), now(now), distance(distance) {}

    // None when the first line is not the maintenance file's.
    std::optional<MaintenanceSchedule> Read();

    // A date written "MM/DD/YYYY", with or without a time of day "H:MMAM" or "H:MMPM" after
    // a space; without one it is noon. None when it names no real date.
    static std::optional<Moment> ParseDate(const std::string& text);

private:
    // The next line without its control bytes (codes 15 and below: CR, LF, tab...).
    std::string NextLine();
    bool AtEnd() const { return position >= bytes.size(); }
    // The value of the next line, after its separator.
    std::optional<std::string> NextValue(char separator = ':');
    std::vector<std::string> NextServiceItems();
    // The interval in days that a month line gives, or days when it gives none.
    static int IntervalDays(const std::string& monthLine, int days);
    MaintenanceItem NextItem();
    MaintenanceRecord NextRecord();

    const std::vector<std::uint8_t>& bytes;
    std::size_t position = 0;
    Moment now;
    double distance;
};

}  // namespace rovik
