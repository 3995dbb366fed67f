#pragma once

#include "core/link/LinkEvents.h"

namespace rovik::fuzz {

// The link's status plays no part in framing, so nothing is kept.
class QuietLinkEvents : public LinkEvents {
public:
    void NoteTraffic() override {}
    void NoteVehicleMessage() override {}
    void NoteBoxReport(bool) override {}
};

}  // namespace rovik::fuzz
