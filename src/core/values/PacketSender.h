#pragma once

#include <cstddef>
#include <cstdint>

namespace rovik {

// Puts J1708 messages of the program's own on the vehicle's data link, so that what decodes
// the link may answer on it without knowing the link.
class PacketSender {
public:
    // The message is MID first, without its checksum; false when it could not be sent.
    virtual bool SendPacket(const std::uint8_t* bytes, std::size_t count) = 0;

protected:
    ~PacketSender() = default;
};

}  // namespace rovik
