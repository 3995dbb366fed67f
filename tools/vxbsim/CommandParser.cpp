#include "vxbsim/CommandParser.h"

#include <string_view>

#include "vxbsim/Hex.h"

namespace vxbsim {

namespace {
constexpr std::string_view kLineStarts = "RMGTS";
constexpr std::string_view kBinarySend = "SEND";

std::optional<std::uint32_t> Field(std::string_view line, std::size_t at, std::size_t length) {
    return Hex::Parse(line.substr(at, length));
}
}  // namespace

std::vector<BoxCommand> CommandParser::Feed(std::string_view bytes) {
    std::vector<BoxCommand> commands;
    for (char c : bytes) {
        Take(static_cast<unsigned char>(c), commands);
    }
    return commands;
}

void CommandParser::Take(unsigned char c, std::vector<BoxCommand>& commands) {
    if (frameLeft > 0) {
        TakeFrameByte(c, commands);
    } else if (awaitingCount) {
        // The message bytes, then their sum.
        awaitingCount = false;
        frame.clear();
        frameLeft = c + 1u;
    } else if (auto single = StandAlone(c)) {
        // No text command holds these letters, so one inside another command was queued in
        // between.
        commands.push_back(*single);
    } else if (line.empty()) {
        if (kLineStarts.find(static_cast<char>(c)) != std::string_view::npos) {
            line = static_cast<char>(c);
        }
    } else if (c == '\r' || c == '\n') {
        if (auto command = ParseLine(line)) {
            commands.push_back(*command);
        }
        line.clear();
    } else {
        AppendToLine(c);
    }
}

void CommandParser::TakeFrameByte(unsigned char c, std::vector<BoxCommand>& commands) {
    if (--frameLeft > 0) {
        frame.push_back(c);
        return;
    }
    std::uint8_t sum = 0;
    for (std::uint8_t byte : frame) {
        sum = static_cast<std::uint8_t>(sum + byte);
    }
    commands.push_back(
        {.kind = BoxCommand::Kind::TransmitJ1708, .message = frame, .sumOk = sum == c});
}

std::optional<BoxCommand> CommandParser::StandAlone(unsigned char c) {
    using Kind = BoxCommand::Kind;
    switch (c) {
        case 'V':
            return BoxCommand{.kind = Kind::Version};
        case '?':
            return BoxCommand{.kind = Kind::QueryJ1708};
        case 'Z':
            return BoxCommand{.kind = Kind::QueryJ1939};
        case 'O':
            return BoxCommand{.kind = Kind::ZeroFuelMeter};
        default:
            return std::nullopt;
    }
}

void CommandParser::AppendToLine(unsigned char c) {
    line += static_cast<char>(c);
    if (line == kBinarySend) {
        line.clear();
        awaitingCount = true;
    } else if (line.size() > kMaxLine) {
        line.clear();
    }
}

std::optional<BoxCommand> CommandParser::ParseLine(std::string_view line) {
    using Kind = BoxCommand::Kind;
    if (line[0] == 'R' && line.size() == 5) {
        if (auto address = Field(line, 1, 4)) {
            return BoxCommand{.kind = Kind::ReadRegister, .address = *address};
        }
    } else if (line[0] == 'M' && line.size() == 7) {
        auto address = Field(line, 1, 4);
        auto value = Field(line, 5, 2);
        if (address && value) {
            return BoxCommand{.kind = Kind::WriteRegister,
                              .address = *address,
                              .value = static_cast<std::uint8_t>(*value)};
        }
    } else if (line[0] == 'G' && line.size() == 3) {
        if (auto gap = Field(line, 1, 2)) {
            return BoxCommand{.kind = Kind::SetBitGap, .value = static_cast<std::uint8_t>(*gap)};
        }
    } else if (line[0] == 'T') {
        return ParseTransmit(line);
    } else if (line[0] == 'S') {
        return ParseJ1708(line);
    }
    return std::nullopt;
}

// "S", then two digits for each byte of the message.
std::optional<BoxCommand> CommandParser::ParseJ1708(std::string_view line) {
    if (line.size() < 3 || line.size() % 2 == 0) {
        return std::nullopt;
    }
    BoxCommand command{.kind = BoxCommand::Kind::TransmitJ1708};
    for (std::size_t at = 1; at < line.size(); at += 2) {
        auto byte = Field(line, at, 2);
        if (!byte) {
            return std::nullopt;
        }
        command.message.push_back(static_cast<std::uint8_t>(*byte));
    }
    return command;
}

// "T", source, PGN high byte first, then up to eight data bytes.
std::optional<BoxCommand> CommandParser::ParseTransmit(std::string_view line) {
    if (line.size() < 9 || line.size() > 25 || line.size() % 2 == 0) {
        return std::nullopt;
    }
    auto source = Field(line, 1, 2);
    auto pgn = Field(line, 3, 6);
    if (!source || !pgn) {
        return std::nullopt;
    }
    BoxCommand command{.kind = BoxCommand::Kind::TransmitJ1939};
    command.frame.source = static_cast<std::uint8_t>(*source);
    command.frame.pgn = *pgn;
    for (std::size_t i = 0; 9 + 2 * i < line.size(); ++i) {
        auto byte = Field(line, 9 + 2 * i, 2);
        if (!byte) {
            return std::nullopt;
        }
        command.frame.data[i] = static_cast<std::uint8_t>(*byte);
    }
    return command;
}

}  // namespace vxbsim
