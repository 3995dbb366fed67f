#include <gtest/gtest.h>

#include "core/app/CommandLine.h"
#include "core/app/ProgramSwitches.h"

using namespace rovik;

TEST(CommandLine, DemoSwitchIsFoundInAnyCaseAndEndsAtASpaceKeepingThePathsCase) {
    EXPECT_EQ(CommandLine("rovik DEMO=/home/Ann/Trip.rvk /other").DemoSource(),
              "/home/Ann/Trip.rvk");
    EXPECT_EQ(CommandLine("rovik demo=").DemoSource(), "");
    EXPECT_FALSE(CommandLine("rovik").DemoSource());
}

// What the program does instead of showing the dashboard, for each command line after the
// program's name: usage (before anything else), version, a message, or nothing.
TEST(ProgramSwitches, UsageVersionAndMessageAreFoundAndAnythingElseIsLeftToTheDashboard) {
    struct Case {
        std::vector<std::string> arguments;
        std::string printedStart;
        std::optional<std::string> message;
    };
    const std::vector<Case> cases = {
        {{"--version"}, "Rovik Version ", std::nullopt},
        {{"demo=drive.rvk", "--help"}, "Usage: rovik [demo=FILE.rvk]\n", std::nullopt},
        {{"--version", "-h"}, "Usage: rovik", std::nullopt},
        {{"--message", "No folder: Permission denied.", "--other"},
         "",
         "No folder: Permission denied."},
        {{"--message"}, "", std::nullopt},
        {{"demo=drive.rvk", "--verbose", "-x", "--HELP"}, "", std::nullopt},
    };
    for (const Case& c : cases) {
        ProgramSwitches switches(c.arguments);
        std::optional<std::string> printed = switches.TextToPrint();
        EXPECT_EQ(printed.has_value(), !c.printedStart.empty()) << c.arguments.front();
        EXPECT_EQ(printed.value_or("").substr(0, c.printedStart.size()), c.printedStart);
        EXPECT_EQ(switches.Message(), c.message) << c.arguments.front();
    }
}
