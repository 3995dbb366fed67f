#include "core/tires/TireLayout.h"

#include <algorithm>
#include <charconv>

#include "core/tires/TireMonitor.h"

namespace rovik {

namespace {
// An empty position, written as the file writes it.
constexpr std::uint8_t kX = TireLayout::kNone;
using Axles = std::array<std::array<std::uint8_t, TireLayout::kWheels>, TireLayout::kAxles>;
constexpr std::array<std::uint8_t, TireLayout::kWheels> kNoAxle = {kX, kX, kX, kX};

// In the order of Preset: each axle from the front, its wheels from the left outer to the
// right outer.
constexpr Axles kPresets[] = {
    {{{0, kX, kX, 1}, {2, 3, 4, 5}, kNoAxle, kNoAxle, kNoAxle}},
    {{{0, kX, kX, 1}, {2, 3, 4, 5}, {7, kX, kX, 8}, kNoAxle, kNoAxle}},
    {{{0, kX, kX, 1}, {2, 3, 4, 5}, {kX, 6, 7, kX}, {kX, 8, 9, kX}, kNoAxle}},
    {{{0, kX, kX, 1}, {2, 3, 4, 5}, {7, kX, kX, 8}, {kX, 9, 10, kX}, {kX, 11, 12, kX}}},
};
}  // namespace

TireLayout TireLayout::Of(Preset preset) {
    TireLayout layout;
    const Axles& axles = kPresets[static_cast<std::size_t>(preset)];
    for (std::size_t axle = 0; axle < kAxles; ++axle) {
        std::copy(axles[axle].begin(), axles[axle].end(), &layout.sensors[axle * kWheels]);
    }
    return layout;
}

std::uint8_t TireLayout::SensorFromText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return kNone;
    }
    text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    unsigned number = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (fault != std::errc() || end != text.data() + text.size() ||
        number >= TireMonitor::kSensorCount) {
        return kNone;
    }
    return static_cast<std::uint8_t>(number);
}

std::size_t TireLayout::AxlesUsed() const {
    for (std::size_t axle = kAxles; axle > 0; --axle) {
        for (std::size_t wheel = 0; wheel < kWheels; ++wheel) {
            if (At(axle - 1, wheel) != kNone) {
                return axle;
            }
        }
    }
    return 0;
}

}  // namespace rovik
