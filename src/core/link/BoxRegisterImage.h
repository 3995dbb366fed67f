#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace rovik {

// The box's registers as it last reported them, all 0 until it does.
class BoxRegisterImage {
public:
    static constexpr unsigned kSize = 2048;
    // The only registers the program uses: the fuel meter's switch and the CAN cycle size.
    static constexpr std::uint16_t kFuelMeter = 1;
    static constexpr std::uint16_t kCanCycleSize = 6;

    // Addresses beyond the box's registers are ignored.
    void Set(unsigned address, std::uint8_t value) {
        if (address < kSize) {
            registers[address].store(value, std::memory_order_relaxed);
        }
    }
    std::uint8_t Get(unsigned address) const {
        return address < kSize ? registers[address].load(std::memory_order_relaxed) : 0;
    }

private:
    std::array<std::atomic<std::uint8_t>, kSize> registers{};
};

}  // namespace rovik
