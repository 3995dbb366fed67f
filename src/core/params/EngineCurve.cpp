#include "core/params/EngineCurve.h"

#include <optional>
#include <vector>

#include "platform/FileSystem.h"

namespace rovik {

namespace {
constexpr std::uint16_t kFirstSpeed = 1200;
constexpr std::uint16_t kSpeedStep = 100;
}  // namespace

EngineCurve::EngineCurve() {
    for (std::size_t point = 0; point < kPoints; ++point) {
        words[point] = static_cast<std::uint16_t>(kFirstSpeed + point * kSpeedStep);
    }
}

bool EngineCurve::Load(const std::string& path) {
    // Only a regular file: a pipe might never answer and a folder holds no curve.
    std::optional<std::vector<std::uint8_t>> bytes = FileSystem::ReadStart(path, kFileSize);
    if (!bytes) {
        return false;
    }
    Overwrite(bytes->data(), bytes->size());
    return true;
}

void EngineCurve::Overwrite(const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count && i < kFileSize; ++i) {
        std::uint16_t& word = words[i / 2];
        word = i % 2 == 0 ? static_cast<std::uint16_t>((word & 0xFF00) | bytes[i])
                          : static_cast<std::uint16_t>((word & 0x00FF) | bytes[i] << 8);
    }
}

std::uint16_t EngineCurve::At(Column column, std::size_t point) const {
    std::size_t first = column == Column::Torque ? kPoints : 2 * kPoints;
    return words[first + point];
}

double EngineCurve::CurveValue(Column column, double rpm) const {
    if (!(rpm >= Speed(0)) || rpm >= Speed(kPoints - 1)) {
        return 0.0;
    }
    std::size_t i = 1;
    while (Speed(i) < rpm) {
        ++i;
    }
    double low = At(column, i - 1);
    double span = static_cast<double>(Speed(i)) - Speed(i - 1);
    // Equal neighbouring speeds leave no span to interpolate over: the point's own value.
    if (span <= 0.0) {
        return low;
    }
    return low + (rpm - Speed(i - 1)) * (At(column, i) - low) / span;
}

}  // namespace rovik
