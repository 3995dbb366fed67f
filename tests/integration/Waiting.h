#pragma once

#include <unistd.h>

#include <string>

#include "core/link/LinkThreads.h"

namespace rovik::test {

inline std::string UniqueBlock() {
    return "/RovikIntegration-" + std::to_string(::getpid());
}

// Wakes the receive thread as the main timer would until the condition holds or about the
// seconds given (three unless told) have passed.
template <typename Condition>
bool WaitFor(LinkThreads& threads, Condition done, double seconds = 10.0) {
    for (int i = 0; i < 100 * seconds && !done(); ++i) {
        threads.WakeReceiver();
        ::usleep(10000);
    }
    return done();
}

}  // namespace rovik::test
