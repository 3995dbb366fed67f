#include "core/params/J1939Fields.h"

#include <algorithm>
#include <iterator>

#include "core/values/Pids.h"

namespace rovik {

namespace {
using Field = J1939Fields::Field;

// Temperatures: degrees Celsius with an offset become degrees Fahrenheit.
constexpr double kCelsiusByte = 1.8;
constexpr double kCelsiusByteOffset = -40.0;
constexpr double kKelvinWord = 0.05625;
constexpr double kKelvinWordOffset = -459.4;
constexpr double kPercent = 0.4;

// Sorted by PGN, so a group's fields stand together.
constexpr Field kFields[] = {
    {61442, 1, 0, 16, 191, 0.125, 0.0},
    {61443, 1, 0, 8, 91, kPercent, 0.0},
    {61443, 2, 0, 8, pid::kPercentLoad, 1.0, 0.0},
    {61444, 3, 0, 16, pid::kEngineSpeed, 0.125, 0.0},
    {65110, 0, 0, 8, 225, kPercent, 0.0},
    {65110, 1, 0, 8, 215, kCelsiusByte, kCelsiusByteOffset},
    {65110, 4, 5, 3, 204, 1.0, 0.0},
    {65110, 6, 0, 8, 35, kPercent, 0.0},
    {65213, 0, 0, 8, 207, kPercent, 0.0},
    {65244, 0, 0, 32, 236, 0.13208602, 0.0},
    {65244, 4, 0, 32, 235, 0.05, 0.0},
    {65262, 0, 0, 8, pid::kCoolantTemperature, kCelsiusByte, kCelsiusByteOffset},
    {65262, 1, 0, 8, 174, kCelsiusByte, kCelsiusByteOffset},
    {65262, 2, 0, 16, pid::kOilTemperature, kKelvinWord, kKelvinWordOffset},
    {65263, 3, 0, 8, pid::kOilPressure, 0.58015, 0.0},
    {65265, 1, 0, 16, pid::kRoadSpeed, 0.00242775, 0.0},
    {65265, 5, 0, 8, pid::kCruiseSetSpeed, 0.6215, 0.0},
    {65266, 0, 0, 16, pid::kFuelRate, 0.013208603, 0.0},
    {65266, 2, 0, 16, pid::kFuelEconomy, 0.0046, 0.0},
    {65269, 3, 0, 16, pid::kAmbientAirTemperature, kKelvinWord, kKelvinWordOffset},
    {65270, 1, 0, 8, pid::kBoostPressure, 0.29008, 0.0},
    {65270, 2, 0, 8, pid::kIntakeTemperature, kCelsiusByte, kCelsiusByteOffset},
    {65271, 4, 0, 16, pid::kBatteryVolts, 0.05, 0.0},
    {65271, 6, 0, 16, 158, 0.05, 0.0},
    {65272, 4, 0, 16, pid::kTransmissionOilTemperature, kKelvinWord, kKelvinWordOffset},
    {65275, 1, 0, 8, 120, kCelsiusByte, kCelsiusByteOffset},
};

// Orders fields and PGNs by PGN. Plain algorithms rather than ranges, which the clang of
// the fuzzing build cannot compile with this standard library.
struct ByPgn {
    constexpr bool operator()(const Field& field, std::uint32_t pgn) const {
        return field.pgn < pgn;
    }
    constexpr bool operator()(std::uint32_t pgn, const Field& field) const {
        return pgn < field.pgn;
    }
    constexpr bool operator()(const Field& a, const Field& b) const { return a.pgn < b.pgn; }
};

static_assert(std::is_sorted(std::begin(kFields), std::end(kFields), ByPgn{}));
}  // namespace

std::span<const Field> J1939Fields::Of(std::uint32_t pgn) {
    auto [first, last] = std::equal_range(std::begin(kFields), std::end(kFields), pgn, ByPgn{});
    return {first, last};
}

}  // namespace rovik
