#include <gtest/gtest.h>

#include "AlarmPasses.h"

using namespace rovik;
using namespace rovik::test;

namespace {
struct Case {
    const char* name;
    std::uint8_t direction;
    std::uint8_t mode;
    std::string readings;
    std::string busy;
    std::string sounds;
};

const Case kCases[] = {
    {"OnceOnlySoundsAtEachCrossing", Alarm::kOver, Alarm::kOnceOnly, "HHHLH", "", "S...S"},
    {"ATenthOrLessIsNoReading", Alarm::kUnder, Alarm::kRepeatContinuously, "TZL", "", "..S"},
    {"OverIsStrict", Alarm::kOver, Alarm::kRepeatContinuously, "EH", "", ".S"},
    {"UnderIsStrict", Alarm::kUnder, Alarm::kRepeatContinuously, "EL", "", ".S"},
    {"EveryMinute", Alarm::kOver, Alarm::kEveryMinute, std::string(62, 'H'), "",
     "S" + std::string(59, '.') + "S."},
    {"AnUnknownDirectionNeverSounds", 2, Alarm::kRepeatContinuously, "HL", "", ".."},
    {"AParameterLeftTheTableIsSilent", Alarm::kUnder, Alarm::kRepeatContinuously, "--", "", ".."},
    {"Every15Seconds", Alarm::kOver, Alarm::kEvery15Seconds, std::string(32, 'H'), "",
     "S" + std::string(14, '.') + "S" + std::string(14, '.') + "S."},
    {"Every15SecondsAgainAtACrossing", Alarm::kOver, Alarm::kEvery15Seconds, "HHLH", "", "S..S"},
    {"ContinuouslyAsThePlayerLets", Alarm::kOver, Alarm::kRepeatContinuously, "HHHH", ".b", "S.SS"},
    {"ContinuousDropsAWaitingSound", Alarm::kOver, Alarm::kRepeatContinuously, "HLL", "b", "..."},
    {"OnceOnlyPlaysAWaitingSoundLater", Alarm::kOver, Alarm::kOnceOnly, "HLL", "bb", "..S"},
};

class AlarmModes : public testing::TestWithParam<Case> {};
}  // namespace

TEST_P(AlarmModes, SoundWhenTheirConditionAsks) {
    const Case& c = GetParam();
    Passes passes({MakeAlarm(c.direction, c.mode)});
    EXPECT_EQ(passes.Run(c.readings, c.busy), c.sounds);
}

INSTANTIATE_TEST_SUITE_P(Readings, AlarmModes, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
