#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "vxbsim/VehicleModel.h"

namespace vxbsim {

// Packs parameter items into J1708 messages of at most 21 bytes with the checksum, the
// longest the data link allows, keeping the items in order.
class J1708Packer {
public:
    static constexpr std::size_t kMaxLength = 21;
    static constexpr std::uint8_t kPageEscape = 255;

    // Each message is the MID (and the page escape for page-2 items) followed by whole items;
    // the checksum is added later. Callers make every item short enough to fit a message.
    static std::vector<Message> Pack(std::uint8_t mid, bool page2,
                                     const std::vector<Message>& items);
};

}  // namespace vxbsim
