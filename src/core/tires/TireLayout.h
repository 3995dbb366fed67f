#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rovik {

// Which sensor sits at each wheel position: five axles from the front, and on each the left
// outer, left inner, right inner and right outer wheel.
struct TireLayout {
    static constexpr std::size_t kAxles = 5;
    static constexpr std::size_t kWheels = 4;
    static constexpr std::size_t kPositions = kAxles * kWheels;
    static constexpr std::uint8_t kNone = 255;

    // The fixed layouts the Tire Status dialog offers.
    enum class Preset { SixWheel, EightWheel, SixPlusFour, EightPlusFour };
    static TireLayout Of(Preset preset);

    // The sensor a position's text names: a whole number from 0 to 15, spaces around it
    // allowed; anything else names none.
    static std::uint8_t SensorFromText(std::string_view text);

    std::uint8_t At(std::size_t axle, std::size_t wheel) const {
        return sensors[axle * kWheels + wheel];
    }
    // The number of the last axle with a sensor; 0 when there is none.
    std::size_t AxlesUsed() const;

    bool operator==(const TireLayout&) const = default;

    std::array<std::uint8_t, kPositions> sensors = Empty();

private:
    static constexpr std::array<std::uint8_t, kPositions> Empty() {
        std::array<std::uint8_t, kPositions> none{};
        none.fill(kNone);
        return none;
    }
};

}  // namespace rovik
