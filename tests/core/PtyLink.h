#pragma once

#include <unistd.h>

#include <string>

#include "PtyBox.h"
#include "support/TestLink.h"

// A shared value block of this process's own.
inline std::string UniqueBlock() {
    return "/RovikLinkTest-" + std::to_string(::getpid());
}

// A link on the box's pseudo-terminal.
struct PtyLink {
    explicit PtyLink(rovik::ConnectionType type) {
        link.SetPortName(box.device);
        link.SetConnectionType(type);
    }
    // What reaches the box once the transmit thread has sent what waits in the queue.
    std::string Sent() {
        while (link.QueuedByteCount() > 0) {
            link.SendOneQueuedByte();
        }
        return box.Receive();
    }
    PtyBox box;
    rovik::test::TestLink parts{UniqueBlock()};
    rovik::LinkReader& link = parts.link;
};
