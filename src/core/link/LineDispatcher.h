#pragma once

#include <cstddef>
#include <cstdint>

#include "core/link/FrameBuffer.h"

namespace rovik {

class BoxState;
class LinkEvents;
class MessageRouter;

// Reads the text lines of the USB and Wi-Fi boxes: vehicle messages in hexadecimal, the
// box's statistics, its version and its register replies. Anything else is ignored.
class LineDispatcher {
public:
    LineDispatcher(BoxState& box, LinkEvents& events, MessageRouter& router)
        : box(box), events(events), router(router) {}

    // The line, without its control characters, is in the frame buffer; J1708 lines are
    // turned into bytes in place.
    void Dispatch(FrameBuffer& line);

private:
    void ReadJ1708Statistics(const FrameBuffer& line);
    void UpdateSuppression(std::uint32_t previousGood, std::uint32_t previousErrors);
    void ReadJ1708Message(FrameBuffer& line);
    void ReadJ1939Message(const FrameBuffer& line);
    void ReadVersion(const FrameBuffer& line);
    void ReadJ1939Statistics(const FrameBuffer& line);
    void ReadRegister(const FrameBuffer& line);

    BoxState& box;
    LinkEvents& events;
    MessageRouter& router;
};

}  // namespace rovik
