#include "core/tires/TireLayoutFile.h"

#include <algorithm>

#include "core/io/AtomicFile.h"
#include "core/tires/TireMonitor.h"

namespace rovik {

namespace {
constexpr std::uint8_t kEmptyPosition = 'X';
}  // namespace

std::optional<TireLayout> TireLayoutFile::Read(const std::string& path) {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    if (!bytes) {
        return std::nullopt;
    }
    return FromBytes(*bytes);
}

bool TireLayoutFile::Write(const std::string& path, const TireLayout& layout) {
    return AtomicFile::Write(path, ToBytes(layout));
}

TireLayout TireLayoutFile::FromBytes(const std::vector<std::uint8_t>& bytes) {
    TireLayout layout;
    const std::size_t held = std::min(bytes.size(), TireLayout::kPositions);
    for (std::size_t i = 0; i < held; ++i) {
        if (bytes[i] < TireMonitor::kSensorCount) {
            layout.sensors[i] = bytes[i];
        }
    }
    return layout;
}

std::vector<std::uint8_t> TireLayoutFile::ToBytes(const TireLayout& layout) {
    std::vector<std::uint8_t> bytes;
    for (std::uint8_t sensor : layout.sensors) {
        bytes.push_back(sensor < TireMonitor::kSensorCount ? sensor : kEmptyPosition);
    }
    return bytes;
}

}  // namespace rovik
