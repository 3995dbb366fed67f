#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace rovik {

// The engine's full-load torque and horsepower at twelve engine speeds, as an engine file
// holds them: 72 bytes, the speeds, then the torques, then the horsepowers, each twelve
// little-endian 16-bit numbers, no header.
class EngineCurve {
public:
    static constexpr std::size_t kPoints = 12;
    static constexpr std::size_t kFileSize = 3 * kPoints * 2;

    enum class Column { Torque, Horsepower };

    // Speeds 1200 to 2300 rpm, no torque or horsepower: every reading is 0.
    EngineCurve();

    // Reads the file over the curve; a short file replaces only what it holds. False, with
    // the curve unchanged, when the file cannot be read.
    bool Load(const std::string& path);
    // Replaces the curve's first bytes, in file order.
    void Overwrite(const std::uint8_t* bytes, std::size_t count);

    // The column at this engine speed, interpolated between the points; 0 outside the
    // curve (below the first speed, or at or above the last).
    double CurveValue(Column column, double rpm) const;

    std::uint16_t Speed(std::size_t point) const { return words[point]; }

private:
    std::uint16_t At(Column column, std::size_t point) const;

    std::array<std::uint16_t, 3 * kPoints> words{};
};

}  // namespace rovik
