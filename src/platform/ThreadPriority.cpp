#include "platform/ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace rovik {

// On Linux a thread's id in PRIO_PROCESS names that thread only, not the whole process.
void ThreadPriority::LowerCallingThread() {
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
}

}  // namespace rovik
