#pragma once

#include <string>

#include "vxbsim/VehicleModel.h"

namespace vxbsim {

enum class BoxModel { Vx100, Vx101, Vx150 };

// Turns vehicle messages into the bytes a box model sends: binary frames ended by four
// 0xFF bytes (VX100) or "J" text lines (VX101, VX150). The checksum is added here.
class BoxEncoder {
public:
    explicit BoxEncoder(BoxModel model) : model(model) {}

    std::string Encode(const Message& message) const;
    // The box's answer to a version request; the VX100 has none.
    std::string VersionReply() const;

    static std::uint8_t Checksum(const Message& message);

private:
    BoxModel model;
};

}  // namespace vxbsim
