#pragma once

#include <unistd.h>

#include <string>

#include "core/link/LinkThreads.h"

namespace rovik::test {

inline std::string UniqueBlock() {
    return "/RovikIntegration-" + std::to_string(::getpid());
}

// Wakes the receive thread as the main timer would until the condition holds or about three
// seconds have passed.
template <typename Condition>
bool WaitFor(LinkThreads& threads, Condition done) {
    for (int i = 0; i < 300 && !done(); ++i) {
        threads.WakeReceiver();
        ::usleep(10000);
    }
    return done();
}

}  // namespace rovik::test
