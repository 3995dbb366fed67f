#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/alarms/AlarmTable.h"
#include "support/FakeSoundPlayer.h"

using namespace rovik;
using test::FakeSoundPlayer;

namespace {
using Readings = std::vector<std::optional<float>>;

Alarm MakeAlarm(std::uint8_t direction, std::uint8_t mode, const std::string& file = "a.wav") {
    Alarm alarm;
    alarm.direction = direction;
    alarm.repeatMode = mode;
    alarm.triggerValue = 70.0f;
    alarm.soundFile = file;
    return alarm;
}

// Runs one pass a reading, each pass seeing the readings of its own alarm's PID.
struct Passes {
    explicit Passes(std::vector<Alarm> list) {
        for (const Alarm& alarm : list) {
            table.Alarms().push_back(alarm);
        }
        table.Resume();
    }
    // 'S' where a pass started a sound; busy 'b' where another sound still plays then.
    std::string Run(const Readings& readings, const std::string& busy = "") {
        std::string sounds;
        for (std::size_t i = 0; i < readings.size(); ++i) {
            if (i < busy.size() && busy[i] == 'b') {
                player.passesLeft = 1;
            }
            const std::size_t before = player.started.size();
            table.Pass([&](unsigned) { return readings[i]; }, player);
            sounds += player.started.size() > before ? 'S' : '.';
            player.PassEnded();
        }
        return sounds;
    }

    AlarmTable table{"unused"};
    FakeSoundPlayer player;
};

struct Case {
    const char* name;
    std::uint8_t direction;
    std::uint8_t mode;
    Readings readings;
    std::string busy;
    std::string sounds;
};

Readings Steady(std::size_t passes, float value) {
    return Readings(passes, value);
}

std::string SoundsAt(std::size_t passes, std::vector<std::size_t> at) {
    std::string sounds(passes, '.');
    for (std::size_t pass : at) {
        sounds[pass] = 'S';
    }
    return sounds;
}

const Case kCases[] = {
    {"OnceOnlySoundsAtEachCrossing",
     Alarm::kOver,
     Alarm::kOnceOnly,
     {80, 80, 80, 60, 80},
     "",
     "S...S"},
    {"BelowATenthIsNoReading",
     Alarm::kUnder,
     Alarm::kRepeatContinuously,
     {0.05f, 0, 0.09f, 5},
     "",
     "...S"},
    {"OverIsStrict", Alarm::kOver, Alarm::kRepeatContinuously, {70, 70.01f}, "", ".S"},
    {"UnderIsStrict", Alarm::kUnder, Alarm::kRepeatContinuously, {70, 69.99f}, "", ".S"},
    {"AnUnknownDirectionNeverSounds", 2, Alarm::kRepeatContinuously, {80, 0.5f}, "", ".."},
    {"AParameterLeftTheTableIsSilent",
     Alarm::kUnder,
     Alarm::kRepeatContinuously,
     {std::nullopt, std::nullopt},
     "",
     ".."},
    {"Every15SecondsWhileItLasts", Alarm::kOver, Alarm::kEvery15Seconds, Steady(32, 80), "",
     SoundsAt(32, {0, 15, 30})},
    {"Every15SecondsAgainAtOnceAfterACrossing",
     Alarm::kOver,
     Alarm::kEvery15Seconds,
     {80, 80, 60, 80},
     "",
     "S..S"},
    {"EveryMinuteWhileItLasts", Alarm::kOver, Alarm::kEveryMinute, Steady(62, 80), "",
     SoundsAt(62, {0, 60})},
    {"ContinuouslyAsOftenAsThePlayerLets",
     Alarm::kOver,
     Alarm::kRepeatContinuously,
     {80, 80, 80, 80},
     ".b..",
     "S.SS"},
    {"ContinuousWithdrawsAWaitingSoundWhenItEnds",
     Alarm::kOver,
     Alarm::kRepeatContinuously,
     {80, 60, 60},
     "b..",
     "..."},
    {"OnceOnlyPlaysAWaitingSoundAfterItEnds",
     Alarm::kOver,
     Alarm::kOnceOnly,
     {80, 60, 60},
     "bb.",
     "..S"},
    {"EveryMinutePlaysAWaitingSoundAfterItEnds",
     Alarm::kOver,
     Alarm::kEveryMinute,
     {80, 60},
     "b.",
     ".S"},
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

TEST(AlarmTable, AlarmsDueTogetherTakeTurnsOneSoundAtATime) {
    Passes passes({MakeAlarm(Alarm::kOver, Alarm::kOnceOnly, "a.wav"),
                   MakeAlarm(Alarm::kOver, Alarm::kOnceOnly, "b.wav")});
    passes.player.soundPasses = 2;
    EXPECT_EQ(passes.Run(Steady(4, 80)), "S.S.");
    // A fresh start of the turns begins at the end of the list.
    EXPECT_EQ(passes.player.started, (std::vector<std::string>{"b.wav", "a.wav"}));
}

TEST(AlarmTable, ASoundThatCannotBePlayedDoesNotHoldUpTheOthers) {
    Passes passes({MakeAlarm(Alarm::kOver, Alarm::kOnceOnly, "a.wav"),
                   MakeAlarm(Alarm::kOver, Alarm::kOnceOnly, "missing.wav")});
    passes.player.unplayable = "missing.wav";
    EXPECT_EQ(passes.Run(Steady(3, 80)), ".S.");
    EXPECT_EQ(passes.player.started, std::vector<std::string>{"a.wav"});
}

TEST(AlarmTable, ASuspendedTableNeitherChecksNorSoundsAndResumesAfterADelete) {
    Passes passes({MakeAlarm(Alarm::kOver, Alarm::kRepeatContinuously, "a.wav"),
                   MakeAlarm(Alarm::kOver, Alarm::kRepeatContinuously, "b.wav")});
    passes.table.Suspend();
    EXPECT_EQ(passes.Run(Steady(2, 80)), "..");
    EXPECT_FALSE(passes.table.Alarms().front().IsActive());
    passes.table.Remove(passes.table.Alarms().back());
    passes.table.Resume();
    EXPECT_EQ(passes.Run(Steady(2, 80)), "SS");
    EXPECT_EQ(passes.player.started, (std::vector<std::string>{"a.wav", "a.wav"}));
}
