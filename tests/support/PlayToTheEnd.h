#pragma once

#include "core/link/LinkReader.h"

namespace rovik::test {

// Passes until the recording gives nothing more.
inline void PlayToTheEnd(LinkReader& link) {
    std::uint32_t before;
    do {
        before = link.GetByteCount();
        link.ReceivePass();
    } while (link.GetByteCount() != before);
}

}  // namespace rovik::test
