#include "core/link/LinkThreads.h"

#include <algorithm>
#include <chrono>

#include "core/link/LinkReader.h"
#include "core/link/LinkStatus.h"
#include "platform/ThreadPriority.h"

namespace rovik {

LinkThreads::LinkThreads(LinkReader& reader) : link(reader) {}

LinkThreads::~LinkThreads() {
    Stop();
}

void LinkThreads::Start() {
    {
        std::lock_guard lock(mutex);
        if (threadRunning) {
            return;
        }
        threadRunning = true;
        wakePending = false;
    }
    receiver = std::thread(&LinkThreads::ReceiveLoop, this);
    transmitter = std::thread(&LinkThreads::TransmitLoop, this);
}

void LinkThreads::WakeReceiver() {
    {
        std::lock_guard lock(mutex);
        wakePending = true;
    }
    changed.notify_all();
}

void LinkThreads::Stop() {
    {
        std::lock_guard lock(mutex);
        threadRunning = false;
    }
    changed.notify_all();
    if (receiver.joinable()) {
        receiver.join();
    }
    if (transmitter.joinable()) {
        transmitter.join();
    }
}

bool LinkThreads::IsRunning() const {
    std::lock_guard lock(mutex);
    return threadRunning;
}

bool LinkThreads::WaitForWake() {
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return wakePending || !threadRunning; });
    wakePending = false;
    return threadRunning;
}

void LinkThreads::ReceiveLoop() {
    ThreadPriority::LowerCallingThread();
    do {
        if (!link.OpenWhenRequested()) {
            link.ReopenWhenFailed();
        }
        link.ReceivePass();
    } while (WaitForWake());
}

void LinkThreads::TransmitLoop() {
    ThreadPriority::LowerCallingThread();
    std::unique_lock lock(mutex);
    while (threadRunning) {
        lock.unlock();
        if (link.GetStatus() != LinkStatus::PortFailure) {
            link.SendOneQueuedByte();
        }
        lock.lock();
        // A delay of 0 would spin a whole core on an empty ring.
        auto delay = std::chrono::milliseconds(std::max<std::uint32_t>(1, link.GetTransmitDelay()));
        changed.wait_for(lock, delay, [this] { return !threadRunning; });
    }
}

}  // namespace rovik
