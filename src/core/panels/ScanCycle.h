#pragma once

#include <cstdint>

namespace rovik {

struct ScanGaugeRecord;

// Which entry of a scan gauge's list is on screen and for how many ticks it has been. A gauge
// read from a file or newly made starts at the first entry with no ticks counted.
class ScanCycle {
public:
    // One timer tick. True when the gauge moved on to the next entry, whose PID is then the
    // gauge's pid; such a tick always repaints. False when the gauge stays on its PID, and
    // repaints only if the value changed. An index left beyond a list that has since shrunk
    // wraps to the first entry.
    bool Tick(ScanGaugeRecord& gauge);

    std::uint32_t ScanIndex() const { return scanIndex; }
    std::uint32_t TickCounter() const { return tickCounter; }

private:
    std::uint32_t scanIndex = 0;
    std::uint32_t tickCounter = 0;
};

}  // namespace rovik
