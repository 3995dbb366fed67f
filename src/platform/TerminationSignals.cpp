#include "platform/TerminationSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <iterator>

namespace rovik {

namespace {
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr std::size_t kSignalCount = std::size(kSignals);
// What each signal did before, given back when the object goes.
struct sigaction previous[kSignalCount];

// Where the handler writes; a handler may only touch lock-free atomics.
std::atomic<int> pipeEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

void Note(int signal) {
    const int saved = errno;
    const auto byte = static_cast<char>(signal);
    // A full pipe already says that a signal came.
    (void)!::write(pipeEnd.load(), &byte, 1);
    errno = saved;
}
}  // namespace

TerminationSignals::TerminationSignals() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    readEnd = ends[0];
    writeEnd = ends[1];
    pipeEnd = writeEnd;
    struct sigaction action {};
    action.sa_handler = Note;
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        ::sigaction(kSignals[i], nullptr, &previous[i]);
        // A signal the starter chose to ignore (nohup ignores SIGHUP) stays ignored.
        if (previous[i].sa_handler != SIG_IGN) {
            ::sigaction(kSignals[i], &action, nullptr);
        }
    }
}

TerminationSignals::~TerminationSignals() {
    if (readEnd < 0) {
        return;
    }
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        ::sigaction(kSignals[i], &previous[i], nullptr);
    }
    pipeEnd = -1;
    ::close(readEnd);
    ::close(writeEnd);
}

void TerminationSignals::Clear() {
    char byte = 0;
    while (::read(readEnd, &byte, 1) == 1) {
    }
}

}  // namespace rovik
