#pragma once

namespace rovik {

// Scheduling priority of threads.
class ThreadPriority {
public:
    // Gives the calling thread alone the lowest priority, so it yields to the window.
    static void LowerCallingThread();
};

}  // namespace rovik
