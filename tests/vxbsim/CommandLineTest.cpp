#include <gtest/gtest.h>

#include "vxbsim/CommandLine.h"
#include "vxbsim/DemoDrive.h"

using namespace vxbsim;

namespace {
std::optional<CommandLine::Options> Parse(std::vector<std::string> args) {
    std::string error;
    auto options = CommandLine::Parse(args, error);
    EXPECT_EQ(options.has_value(), error.empty()) << error;
    return options;
}
}  // namespace

TEST(CommandLine, OptionalValuesAreTakenOnlyWhenGiven) {
    auto options = Parse({"--model", "vx101", "--tcp", "--fault", "--vehicle-silent", "12"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->model, BoxModel::Vx101);
    EXPECT_TRUE(options->tcp);
    EXPECT_EQ(options->port, 51966);
    EXPECT_EQ(options->faults, 1);
    EXPECT_EQ(options->vehicleSilentAfter, 12.0);
    options = Parse({"--tcp", "0", "--fault", "3", "--vehicle-silent"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->port, 0);
    EXPECT_EQ(options->faults, 3);
    EXPECT_EQ(options->vehicleSilentAfter, 0.0);
    options = Parse({});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->model, BoxModel::Vx100);
    EXPECT_FALSE(options->tcp);
    EXPECT_EQ(options->faults, 0);
    EXPECT_LT(options->vehicleSilentAfter, 0.0);
}

TEST(CommandLine, RefusesWhatItCannotUseInsteadOfGuessing) {
    for (auto args : std::vector<std::vector<std::string>>{{"--model", "vx200"},
                                                           {"--model"},
                                                           {"--tcp", "70000"},
                                                           {"--tcp", "80x"},
                                                           {"--fault", "4"},
                                                           {"--vehicle-silent", "-3"},
                                                           {"--loud"}}) {
        EXPECT_FALSE(Parse(args)) << args[0];
    }
    EXPECT_TRUE(Parse({"--help"})->help);
}

TEST(CommandLine, RecordsTheDemoDriveForTheWholeDriveOrTheMinutesAsked) {
    auto options = Parse({"--record", "drive.rvk"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->recordPath, "drive.rvk");
    EXPECT_EQ(options->recordMinutes, DemoDrive::kMinutes);
    options = Parse({"--minutes", "3", "--model", "vx100", "--record", "an odd name"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->recordPath, "an odd name");
    EXPECT_EQ(options->recordMinutes, 3);
    EXPECT_TRUE(Parse({})->recordPath.empty());
}

TEST(CommandLine, RefusesRecordingSwitchesThatCannotApply) {
    for (auto args :
         std::vector<std::vector<std::string>>{{"--record"},
                                               {"--record", "--minutes", "3"},
                                               {"--record", ""},
                                               {"--record", "a.rvk", "--minutes"},
                                               {"--record", "a.rvk", "--minutes", "0"},
                                               {"--record", "a.rvk", "--minutes", "601"},
                                               {"--minutes", "3"},
                                               {"--record", "a.rvk", "--tcp"},
                                               {"--record", "a.rvk", "--fault"},
                                               {"--record", "a.rvk", "--model", "vx150"},
                                               {"--vehicle-silent", "--record", "a"}}) {
        EXPECT_FALSE(Parse(args)) << args[0] << " " << args.size();
    }
}
