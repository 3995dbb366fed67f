#include "vxbsim/J1708Packer.h"

namespace vxbsim {

std::vector<Message> J1708Packer::Pack(std::uint8_t mid, bool page2,
                                       const std::vector<Message>& items) {
    Message header = {mid};
    if (page2) {
        header.push_back(kPageEscape);
    }
    // One byte of every message is left for the checksum.
    const std::size_t room = kMaxLength - 1;
    std::vector<Message> messages;
    Message current = header;
    for (const Message& item : items) {
        if (current.size() + item.size() > room && current.size() > header.size()) {
            messages.push_back(current);
            current = header;
        }
        current.insert(current.end(), item.begin(), item.end());
    }
    if (current.size() > header.size()) {
        messages.push_back(current);
    }
    return messages;
}

}  // namespace vxbsim
