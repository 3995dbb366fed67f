#include <gtest/gtest.h>

#include <tuple>

#include "vxbsim/CommandParser.h"

using namespace vxbsim;
using Kind = BoxCommand::Kind;
using Command = std::tuple<Kind, unsigned, int>;

namespace {
std::vector<Kind> Kinds(const std::vector<BoxCommand>& commands) {
    std::vector<Kind> kinds;
    for (const BoxCommand& c : commands) {
        kinds.push_back(c.kind);
    }
    return kinds;
}

struct Case {
    std::vector<std::string> reads;
    std::vector<Command> commands;
};

const Case kCases[] = {
    // Any line end.
    {{"R0001\n\rM000101\n\rR0006\rM0006FF\r\n"},
     {{Kind::ReadRegister, 1, 0},
      {Kind::WriteRegister, 1, 1},
      {Kind::ReadRegister, 6, 0},
      {Kind::WriteRegister, 6, 0xFF}}},
    // Commands split across reads are kept whole.
    {{"M00", "0601", "\n\rG0D\n\r"}, {{Kind::WriteRegister, 6, 1}, {Kind::SetBitGap, 0, 0x0D}}},
    // Every form of the version request, also when queued in the middle of a register read.
    {{"VV\rV\r\n", "R00V01\n\r"},
     {{Kind::Version, 0, 0},
      {Kind::Version, 0, 0},
      {Kind::Version, 0, 0},
      {Kind::Version, 0, 0},
      {Kind::ReadRegister, 1, 0}}},
    // A runaway line is dropped.
    {{"R" + std::string(100, '0'), "\n\rR0001\n\r"}, {{Kind::ReadRegister, 1, 0}}},
};
}  // namespace

TEST(CommandParser, ReadsEachCommandOnceWhateverSurroundsIt) {
    for (const Case& c : kCases) {
        CommandParser parser;
        std::vector<Command> commands;
        for (const std::string& read : c.reads) {
            for (const BoxCommand& command : parser.Feed(read)) {
                commands.emplace_back(command.kind, command.address, command.value);
            }
        }
        EXPECT_EQ(commands, c.commands) << c.reads[0];
    }
}

TEST(CommandParser, ReadsTransmissionsRequestsQueriesAndTheFuelMeterResetAndPassesOverNoise) {
    CommandParser parser;
    // A binary send whose bytes would read as commands, one with a wrong sum, a text send of
    // the longest message, a J1939 request, the stand-alone letters, then malformed lines.
    const std::string binary = std::string("SEND\x05", 5) + "VR01\n" + '\x13';
    const std::string badSum = std::string("SEND\x01\x80\x81", 7);
    const std::string longest = "S" + std::string(44, 'A') + "\r\n";
    auto commands = parser.Feed(
        binary + badSum + "S805410\r\n" + longest +
        "TF900EA00E9FE00FFFFFFFFFF\n\r?ZO\r\nR12\n\rMXY0123\n\rS8\r\nS80X1\r\nR0002\n\r");
    EXPECT_EQ(Kinds(commands),
              (std::vector<Kind>{Kind::TransmitJ1708, Kind::TransmitJ1708, Kind::TransmitJ1708,
                                 Kind::TransmitJ1708, Kind::TransmitJ1939, Kind::QueryJ1708,
                                 Kind::QueryJ1939, Kind::ZeroFuelMeter, Kind::ReadRegister}));
    EXPECT_EQ(commands[0].message, (std::vector<std::uint8_t>{'V', 'R', '0', '1', '\n'}));
    EXPECT_TRUE(commands[0].sumOk);
    EXPECT_FALSE(commands[1].sumOk);
    EXPECT_EQ(commands[2].message, (std::vector<std::uint8_t>{0x80, 0x54, 0x10}));
    EXPECT_EQ(commands[3].message, std::vector<std::uint8_t>(22, 0xAA));
    EXPECT_EQ(commands[4].frame.source, 0xF9);
    EXPECT_EQ(commands[4].frame.pgn, 0x00EA00u);
    EXPECT_EQ(std::vector(commands[4].frame.data.begin(), commands[4].frame.data.begin() + 4),
              (std::vector<std::uint8_t>{0xE9, 0xFE, 0x00, 0xFF}));
    EXPECT_EQ(commands.back().address, 2u);
}
