#pragma once

#include <cstdint>

namespace rovik {

// Keeps the screen from blanking while the dashboard runs, through the desktop's screen
// saver service. Without a session bus (a bare X server, a test) it does nothing.
class DisplayKeeper {
public:
    ~DisplayKeeper();
    void KeepAwake();

private:
    std::uint32_t cookie = 0;
    bool inhibited = false;
};

}  // namespace rovik
