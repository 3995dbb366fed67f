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

TEST(CommandParser, PassesOverTransmissionsQueriesAndNoise) {
    CommandParser parser;
    // A binary send whose bytes would read as commands, then a text send.
    std::string binary = std::string("SEND\x05", 5) + "VR01\n" + '\x00';
    auto commands = parser.Feed(binary + "S805410\r\n?ZO\r\nR12\n\rMXYZ123\n\rR0002\n\r");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].kind, Kind::ReadRegister);
    EXPECT_EQ(commands[0].address, 2u);
}

TEST(CommandParser, DropsARunawayLineAndRecovers) {
    CommandParser parser;
    EXPECT_TRUE(parser.Feed("R" + std::string(100, '0')).empty());
    auto commands = parser.Feed("\n\rR0001\n\r");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].address, 1u);
}
