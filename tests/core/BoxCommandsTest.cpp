#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/link/BoxCommands.h"
#include "core/link/BoxPollCycle.h"

using namespace rovik;

namespace {
const std::uint8_t kMessage[] = {0x80, 0x54, 0x6E};

struct CommandCase {
    const char* what;
    std::optional<std::string> command;
    std::optional<std::string> expected;
};

const std::vector<CommandCase> kCases = {
    {"read register 1", BoxCommands::ReadRegister(1), "R0001\n\r"},
    {"write register 0x7FF", BoxCommands::WriteRegister(0x7FF, 0xAB), "M07FFAB\n\r"},
    {"bit gap in upper-case hex", BoxCommands::SetBitGap(0x0D), "G0D\n\r"},
    {"+ below the bit gap's top", BoxCommands::RaiseBitGap(249), "GFA\n\r"},
    {"+ below the cycle size's top", BoxCommands::RaiseCanCycleSize(98), "M000663\n\r"},
    {"- at a cycle size of 2", BoxCommands::LowerCanCycleSize(2), "M000601\n\r"},
    {"any non-zero register means on", BoxCommands::SwitchFuelMeter(7), "M000100\n\r"},
    {"a packet for the RS-232 box", BoxCommands::SendFrame(kMessage, 3),
     std::string("SEND\x03\x80\x54\x6E\x42", 9)},
    {"a packet for the text boxes", BoxCommands::SendLine(kMessage, 3), "S80546E\r\n"},
};
}  // namespace

TEST(BoxCommands, EachButtonAndPacketGivesItsExactBytes) {
    for (const CommandCase& c : kCases) {
        EXPECT_EQ(c.command, c.expected) << c.what;
    }
}

TEST(BoxPollCycle, StartsAtStepOneAndAsksInThirteenStepRounds) {
    BoxPollCycle cycle;
    const std::vector<std::string> round = {"Z", "R0001\n\r", "R0006\n\r", "", "?", "Z", "",
                                            "",  "?",         "Z",         "", "",  "?"};
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<std::string> asked;
        for (int step = 0; step < BoxPollCycle::kSteps; ++step) {
            asked.emplace_back(cycle.Next());
        }
        EXPECT_EQ(asked, round);
        EXPECT_EQ(cycle.Step(), 0);
    }
}
