#pragma once

#include <atomic>
#include <mutex>
#include <string>

#include "core/link/BoxRegisterImage.h"
#include "core/link/BoxStatistics.h"

namespace rovik {

// What the box says about itself: its statistics of both data links, its version, its
// registers, whether its J1708 messages are being dropped as noise, and whether its last
// text chunk came as a single byte.
// Threads: the receive thread writes, the interface thread reads; the counts are atomic
// and the version has a lock of its own.
class BoxState {
public:
    BoxStatistics& Statistics() { return statistics; }
    const BoxStatistics& Statistics() const { return statistics; }
    BoxRegisterImage& Registers() { return registers; }
    const BoxRegisterImage& Registers() const { return registers; }

    std::string Version() const;
    void SetVersion(const std::string& text);

    bool IsJ1708Suppressed() const { return j1708Suppressed; }
    void SetJ1708Suppressed(bool on) { j1708Suppressed = on; }

    // Whether the last chunk of text from the box came as a single byte.
    bool IsShortRead() const { return shortRead; }
    void SetShortRead(bool on) { shortRead = on; }

    // A new stream starts its J1708 counts afresh.
    void ResetJ1708Counts();

private:
    BoxStatistics statistics;
    BoxRegisterImage registers;
    mutable std::mutex versionMutex;
    std::string version = "Unknown";
    std::atomic<bool> j1708Suppressed{false};
    std::atomic<bool> shortRead{false};
};

}  // namespace rovik
