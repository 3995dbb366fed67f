#include "vxbsim/BoxEncoder.h"

#include "vxbsim/Hex.h"

namespace vxbsim {

namespace {
constexpr std::uint8_t kStatisticsMid = 196;

void PutU32(Message& message, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        message.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}
}  // namespace

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
        Hex::AppendByte(line, byte);
    }
    return line + "\r\n";
}

std::string BoxEncoder::EncodeJ1939(const J1939Frame& frame) const {
    if (model == BoxModel::Vx100) {
        return {};
    }
    std::string line = "R";
    Hex::AppendByte(line, frame.source);
    for (int shift = 16; shift >= 0; shift -= 8) {
        Hex::AppendByte(line, static_cast<std::uint8_t>(frame.pgn >> shift));
    }
    for (std::uint8_t byte : frame.data) {
        Hex::AppendByte(line, byte);
    }
    return line + "\r\n";
}

std::string BoxEncoder::VersionReply() const {
    return model == BoxModel::Vx100 ? std::string() : "VXBSIM 1.0\r\n";
}

std::string BoxEncoder::RegisterReply(std::uint16_t address, std::uint8_t value) const {
    if (model == BoxModel::Vx100) {
        return {};
    }
    // The reader looks for "F" at position 9, the address at 14-17 and the value at 18-19.
    std::string line = "!R REG   F ADR";
    Hex::AppendWordHighFirst(line, address);
    Hex::AppendByte(line, value);
    return line + "\r\n";
}

std::string BoxEncoder::StatisticsReport(const BoxStatistics& statistics,
                                         bool vehicleSilent) const {
    if (model == BoxModel::Vx100) {
        return StatisticsFrame(statistics, vehicleSilent);
    }
    return J1708StatisticsLine(statistics) + J1939StatisticsLine(statistics);
}

std::string BoxEncoder::StatisticsFrame(const BoxStatistics& statistics, bool vehicleSilent) const {
    Message frame = {kStatisticsMid};
    PutU32(frame, statistics.J1708Packets());
    PutU32(frame, statistics.J1708Errors());
    frame.push_back(vehicleSilent ? 1 : 0);
    return Encode(frame);
}

std::string BoxEncoder::J1708StatisticsLine(const BoxStatistics& statistics) const {
    if (model == BoxModel::Vx100) {
        return {};
    }
    // Bit gap at 7-8, then four 16-bit counters high byte first at 10, 15, 20 and 25.
    std::string js = "JS GAP=";
    Hex::AppendByte(js, statistics.BitGap());
    for (std::uint32_t counter : {statistics.J1708Bytes(), statistics.J1708Discarded(),
                                  statistics.J1708Packets(), statistics.J1708Errors()}) {
        js += ' ';
        Hex::AppendWordHighFirst(js, static_cast<std::uint16_t>(counter));
    }
    return js + "\r\n";
}

std::string BoxEncoder::J1939StatisticsLine(const BoxStatistics& statistics) const {
    if (model == BoxModel::Vx100) {
        return {};
    }
    // Three 16-bit counters, low byte first, at 1, 5 and 9.
    std::string i = "I";
    for (std::uint32_t counter :
         {statistics.J1939Packets(), statistics.J1939Missed(), statistics.UsbOverflows()}) {
        Hex::AppendWordLowFirst(i, static_cast<std::uint16_t>(counter));
    }
    return i + "\r\n";
}

}  // namespace vxbsim
