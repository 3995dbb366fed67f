#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace rovik {

class LinkReader;

// The receive and transmit threads of the link. The receive thread makes one pass each time
// the main tick wakes it; the transmit thread sends one queued byte per transmit delay.
// Start, WakeReceiver and Stop are called from the interface thread; mutex guards the
// running and wake flags that both threads wait on.
class LinkThreads {
public:
    explicit LinkThreads(LinkReader& link);
    ~LinkThreads();
    LinkThreads(const LinkThreads&) = delete;
    LinkThreads& operator=(const LinkThreads&) = delete;

    void Start();
    void WakeReceiver();
    // Stops both threads and waits for them, so the link can be destroyed afterwards.
    void Stop();
    bool IsRunning() const;

private:
    void ReceiveLoop();
    void TransmitLoop();
    // Waits for a wake-up; false when the threads are to stop.
    bool WaitForWake();

    LinkReader& link;
    mutable std::mutex mutex;
    std::condition_variable changed;
    bool threadRunning = false;
    bool wakePending = false;
    std::thread receiver;
    std::thread transmitter;
};

}  // namespace rovik
