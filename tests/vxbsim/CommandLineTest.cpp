#include <gtest/gtest.h>

#include <tuple>

#include "vxbsim/CommandLine.h"
#include "vxbsim/DemoDrive.h"

using namespace vxbsim;

namespace {
using Args = std::vector<std::string>;
// Model, TCP, port, sample faults, silent after, record path and minutes.
using Chosen = std::tuple<BoxModel, bool, int, int, double, std::string, int>;

std::optional<CommandLine::Options> Parse(const Args& args) {
    std::string error;
    auto options = CommandLine::Parse(args, error);
    EXPECT_EQ(options.has_value(), error.empty()) << error;
    return options;
}
}  // namespace

TEST(CommandLine, TakesOptionalValuesOnlyWhenGiven) {
    const int drive = DemoDrive::kMinutes;
    const std::pair<Args, Chosen> cases[] = {
        {{}, {BoxModel::Vx100, false, 51966, 0, -1.0, "", drive}},
        {{"--model", "vx101", "--tcp", "--fault", "--vehicle-silent", "12"},
         {BoxModel::Vx101, true, 51966, 1, 12.0, "", drive}},
        {{"--tcp", "0", "--fault", "3", "--vehicle-silent"},
         {BoxModel::Vx100, true, 0, 3, 0.0, "", drive}},
        {{"--record", "drive.rvk"}, {BoxModel::Vx100, false, 51966, 0, -1.0, "drive.rvk", drive}},
        {{"--minutes", "3", "--model", "vx100", "--record", "an odd name"},
         {BoxModel::Vx100, false, 51966, 0, -1.0, "an odd name", 3}}};
    for (const auto& [args, chosen] : cases) {
        auto o = Parse(args);
        ASSERT_TRUE(o) << ::testing::PrintToString(args);
        EXPECT_EQ(Chosen(o->model, o->tcp, o->port, o->faults, o->vehicleSilentAfter, o->recordPath,
                         o->recordMinutes),
                  chosen);
    }
    EXPECT_TRUE(Parse({"--help"})->help);
    auto tires = Parse({"--tires", "--tire-low", "5", "--tire-silent", "0"});
    EXPECT_EQ(std::tuple(tires->tires, tires->lowTire, tires->silentSensor), std::tuple(6, 5, 0));
}

TEST(CommandLine, RefusesWhatItCannotUseInsteadOfGuessing) {
    const Args refused[] = {{"--model", "vx200"},
                            {"--model"},
                            {"--tcp", "70000"},
                            {"--tcp", "80x"},
                            {"--fault", "4"},
                            {"--vehicle-silent", "-3"},
                            {"--loud"},
                            {"--record"},
                            {"--record", "--minutes", "3"},
                            {"--record", ""},
                            {"--record", "a.rvk", "--minutes"},
                            {"--record", "a.rvk", "--minutes", "0"},
                            {"--record", "a.rvk", "--minutes", "601"},
                            {"--minutes", "3"},
                            {"--record", "a.rvk", "--tcp"},
                            {"--record", "a.rvk", "--fault"},
                            {"--record", "a.rvk", "--model", "vx150"},
                            {"--vehicle-silent", "--record", "a"},
                            {"--tires", "17"},
                            {"--tire-low", "2"},
                            {"--record", "a.rvk", "--tires"}};
    for (const Args& args : refused) {
        EXPECT_FALSE(Parse(args)) << ::testing::PrintToString(args);
    }
}
