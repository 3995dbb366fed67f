#pragma once

#include <cstdint>
#include <vector>

// An engine file whose speeds run 1200..2300 rpm, torque 500..610 and horsepower 100..210,
// in even steps.
inline std::vector<std::uint8_t> SteppedCurve() {
    std::vector<std::uint8_t> bytes;
    for (int first : {1200, 500, 100}) {
        int step = first == 1200 ? 100 : 10;
        for (int point = 0; point < 12; ++point) {
            int value = first + point * step;
            bytes.push_back(static_cast<std::uint8_t>(value));
            bytes.push_back(static_cast<std::uint8_t>(value >> 8));
        }
    }
    return bytes;
}
