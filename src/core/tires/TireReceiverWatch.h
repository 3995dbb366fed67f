#pragma once

#include <cstdint>

namespace rovik {

// Tells from the count of the receiver's frames, looked at on a steady tick, whether the
// tire receiver talks: never heard, fallen silent for more than ten ticks, or talking.
class TireReceiverWatch {
public:
    static constexpr int kSilentTicks = 10;

    // The link's state after this tick, as the Tire Status dialog shows it: "Disconnected",
    // "Error" or "Ok".
    const char* Update(std::uint32_t frameCount);

private:
    std::uint32_t lastCount = 0;
    int unchangedTicks = 0;
};

}  // namespace rovik
