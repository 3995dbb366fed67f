#pragma once

#include <cstdint>
#include <string>

#include "vxbsim/BoxStatistics.h"
#include "vxbsim/J1939Frame.h"
#include "vxbsim/VehicleModel.h"

namespace vxbsim {

enum class BoxModel { Vx100, Vx101, Vx150 };

// Turns what the box has to say into the bytes a box model sends: binary frames ended by four
// 0xFF bytes (VX100) or text lines (VX101, VX150). The J1708 checksum is added here. The
// VX100 carries J1708 only, so whatever has no binary form comes out empty for it.
class BoxEncoder {
public:
    explicit BoxEncoder(BoxModel model) : model(model) {}

    BoxModel Model() const { return model; }
    // One J1708 message, given without its checksum.
    std::string Encode(const Message& message) const;
    // An "R" line: source, PGN high byte first, the eight data bytes.
    std::string EncodeJ1939(const J1939Frame& frame) const;
    // The box's answer to a version request.
    std::string VersionReply() const;
    // The "!R" line that reports one register.
    std::string RegisterReply(std::uint16_t address, std::uint8_t value) const;
    // The periodic report: a MID 196 frame (VX100) or a "JS" and an "I" line. A silent
    // vehicle side is flagged in the frame's last byte.
    std::string StatisticsReport(const BoxStatistics& statistics, bool vehicleSilent) const;
    // The answers to the two queries: "?" gets the "JS" line of the J1708 statistics, "Z" the
    // "I" line of the J1939 ones. The binary box answers neither.
    std::string J1708StatisticsLine(const BoxStatistics& statistics) const;
    std::string J1939StatisticsLine(const BoxStatistics& statistics) const;

    static std::uint8_t Checksum(const Message& message);

private:
    std::string StatisticsFrame(const BoxStatistics& statistics, bool vehicleSilent) const;

    BoxModel model;
};

}  // namespace vxbsim
