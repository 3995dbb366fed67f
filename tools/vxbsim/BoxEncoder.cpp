#include "vxbsim/BoxEncoder.h"

#include <cstdio>

namespace vxbsim {

std::uint8_t BoxEncoder::Checksum(const Message& message) {
    std::uint8_t sum = 0;
    for (std::uint8_t byte : message) {
        sum = static_cast<std::uint8_t>(sum + byte);
    }
    return static_cast<std::uint8_t>(-sum);
}

std::string BoxEncoder::Encode(const Message& message) const {
    Message whole = message;
    whole.push_back(Checksum(message));
    if (model == BoxModel::Vx100) {
        std::string frame(whole.begin(), whole.end());
        return frame + std::string(4, '\xFF');
    }
    std::string line = "J";
    for (std::uint8_t byte : whole) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        line += hex;
    }
    return line + "\r\n";
}

std::string BoxEncoder::VersionReply() const {
    return model == BoxModel::Vx100 ? std::string() : "VXBSIM 1.0\r\n";
}

}  // namespace vxbsim
