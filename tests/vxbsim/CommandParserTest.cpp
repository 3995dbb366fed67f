#include <gtest/gtest.h>

#include "vxbsim/CommandParser.h"

using namespace vxbsim;
using Kind = BoxCommand::Kind;

namespace {
std::vector<Kind> Kinds(const std::vector<BoxCommand>& commands) {
    std::vector<Kind> kinds;
    for (const BoxCommand& c : commands) {
        kinds.push_back(c.kind);
    }
    return kinds;
}
}  // namespace

TEST(CommandParser, ReadsRegisterCommandsWithAnyLineEnd) {
    CommandParser parser;
    auto commands = parser.Feed("R0001\n\rM000101\n\rR0006\rM0006FF\r\n");
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0].kind, Kind::ReadRegister);
    EXPECT_EQ(commands[0].address, 1u);
    EXPECT_EQ(commands[1].kind, Kind::WriteRegister);
    EXPECT_EQ(commands[1].address, 1u);
    EXPECT_EQ(commands[1].value, 1);
    EXPECT_EQ(commands[2].address, 6u);
    EXPECT_EQ(commands[3].value, 0xFF);
}

TEST(CommandParser, CommandsSplitAcrossReadsAreKeptWhole) {
    CommandParser parser;
    EXPECT_TRUE(parser.Feed("M00").empty());
    EXPECT_TRUE(parser.Feed("0601").empty());
    auto commands = parser.Feed("\n\rG0D\n\r");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].kind, Kind::WriteRegister);
    EXPECT_EQ(commands[0].address, 6u);
    EXPECT_EQ(commands[1].kind, Kind::SetBitGap);
    EXPECT_EQ(commands[1].value, 0x0D);
}

TEST(CommandParser, EveryFormOfTheVersionRequestIsOneRequest) {
    CommandParser parser;
    EXPECT_EQ(Kinds(parser.Feed("VV\rV\r\n")),
              (std::vector<Kind>{Kind::Version, Kind::Version, Kind::Version}));
    // Queued by another thread in the middle of a register read.
    EXPECT_EQ(Kinds(parser.Feed("R00V01\n\r")),
              (std::vector<Kind>{Kind::Version, Kind::ReadRegister}));
}

TEST(CommandParser, ReadsAJ1939Request) {
    CommandParser parser;
    auto commands = parser.Feed("TF900EA00E9FE00FFFFFFFFFF\n\r");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].kind, Kind::TransmitJ1939);
    EXPECT_EQ(commands[0].frame.source, 0xF9);
    EXPECT_EQ(commands[0].frame.pgn, 0x00EA00u);
    EXPECT_EQ(commands[0].frame.data[0], 0xE9);
    EXPECT_EQ(commands[0].frame.data[1], 0xFE);
    EXPECT_EQ(commands[0].frame.data[2], 0x00);
}

TEST(CommandParser, ReadsTransmissionsQueriesAndTheFuelMeterResetAndPassesOverNoise) {
    CommandParser parser;
    // A binary send whose bytes would read as commands, one with a wrong sum, a text send of
    // the longest message, the stand-alone letters, then malformed lines.
    const std::string binary = std::string("SEND\x05", 5) + "VR01\n" + '\x13';
    const std::string badSum = std::string("SEND\x01\x80\x81", 7);
    const std::string longest = "S" + std::string(44, 'A') + "\r\n";
    auto commands = parser.Feed(binary + badSum + "S805410\r\n" + longest +
                                "?ZO\r\nR12\n\rMXY0123\n\rS8\r\nS80X1\r\nR0002\n\r");
    EXPECT_EQ(Kinds(commands),
              (std::vector<Kind>{Kind::TransmitJ1708, Kind::TransmitJ1708, Kind::TransmitJ1708,
                                 Kind::TransmitJ1708, Kind::QueryJ1708, Kind::QueryJ1939,
                                 Kind::ZeroFuelMeter, Kind::ReadRegister}));
    EXPECT_EQ(commands[0].message, (std::vector<std::uint8_t>{'V', 'R', '0', '1', '\n'}));
    EXPECT_TRUE(commands[0].sumOk);
    EXPECT_FALSE(commands[1].sumOk);
    EXPECT_EQ(commands[2].message, (std::vector<std::uint8_t>{0x80, 0x54, 0x10}));
    EXPECT_EQ(commands[3].message, std::vector<std::uint8_t>(22, 0xAA));
    EXPECT_EQ(commands.back().address, 2u);
}

TEST(CommandParser, DropsARunawayLineAndRecovers) {
    CommandParser parser;
    EXPECT_TRUE(parser.Feed("R" + std::string(100, '0')).empty());
    auto commands = parser.Feed("\n\rR0001\n\r");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].address, 1u);
}
