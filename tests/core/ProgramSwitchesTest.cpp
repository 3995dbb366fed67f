#include <gtest/gtest.h>

#include "core/app/ProgramSwitches.h"

using namespace rovik;

// Usage comes before the version; a message is the argument after "--message"; anything else,
// in any case, is left to the dashboard.
TEST(ProgramSwitches, UsageVersionAndMessageAreFoundAndAnythingElseIsLeftToTheDashboard) {
    EXPECT_EQ(ProgramSwitches({"--version"}).TextToPrint(), "Rovik Version 3.1 Build 2\n");
    EXPECT_TRUE(ProgramSwitches({"--version", "demo=x", "-h"})
                    .TextToPrint()
                    ->starts_with("Usage: rovik [demo=FILE.rvk]\n"));
    EXPECT_EQ(ProgramSwitches({"--message", "No folder.", "--x"}).Message(), "No folder.");
    for (const ProgramSwitches& ignored :
         {ProgramSwitches({"--message"}), ProgramSwitches({"demo=x", "--HELP", "-x"})}) {
        EXPECT_FALSE(ignored.TextToPrint());
        EXPECT_FALSE(ignored.Message());
    }
}
