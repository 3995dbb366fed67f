#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/alarms/AlarmTable.h"
#include "support/FakeSoundPlayer.h"

using namespace rovik;

namespace {
Alarm MakeAlarm(std::uint8_t direction, std::uint8_t mode, const std::string& file = "a.wav") {
    Alarm alarm;
    alarm.direction = direction;
    alarm.repeatMode = mode;
    alarm.triggerValue = 70.0f;
    alarm.soundFile = file;
    return alarm;
}

// The reading of each pass, against a trigger value of 70: 'H' 80, 'L' 60, 'E' 70 itself,
// 'T' 0.05 (a tenth and below is no reading), 'Z' 0, '-' a parameter that left the table.
std::optional<float> Reading(char code) {
    static const std::map<char, float> kValues = {
        {'H', 80.0f}, {'L', 60.0f}, {'E', 70.0f}, {'T', 0.05f}, {'Z', 0.0f}};
    const auto found = kValues.find(code);
    return found == kValues.end() ? std::nullopt : std::optional(found->second);
}

// Runs the alarms over one pass a reading.
struct Passes {
    explicit Passes(std::vector<Alarm> list) {
        table.Alarms().assign(list.begin(), list.end());
        table.Resume();
    }
    // 'S' where a pass started a sound; busy holds 'b' where another sound still plays then.
    std::string Run(const std::string& readings, const std::string& busy = "") {
        std::string sounds;
        for (std::size_t i = 0; i < readings.size(); ++i) {
            player.passesLeft += i < busy.size() && busy[i] == 'b';
            const std::size_t before = player.started.size();
            table.Pass([&](unsigned) { return Reading(readings[i]); }, player);
            sounds += player.started.size() > before ? 'S' : '.';
            player.PassEnded();
        }
        return sounds;
    }

    AlarmTable table{"unused"};
    test::FakeSoundPlayer player;
};

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
    {"AnUnknownDirectionNeverSounds", 2, Alarm::kRepeatContinuously, "HL", "", ".."},
    {"AParameterLeftTheTableIsSilent", Alarm::kUnder, Alarm::kRepeatContinuously, "--", "", ".."},
    {"Every15Seconds", Alarm::kOver, Alarm::kEvery15Seconds, std::string(32, 'H'), "",
     "S" + std::string(14, '.') + "S" + std::string(14, '.') + "S."},
    {"Every15SecondsAgainAtACrossing", Alarm::kOver, Alarm::kEvery15Seconds, "HHLH", "", "S..S"},
    {"EveryMinute", Alarm::kOver, Alarm::kEveryMinute, std::string(62, 'H'), "",
     "S" + std::string(59, '.') + "S."},
    {"ContinuouslyAsThePlayerLets", Alarm::kOver, Alarm::kRepeatContinuously, "HHHH", ".b", "S.SS"},
    {"ContinuousDropsAWaitingSound", Alarm::kOver, Alarm::kRepeatContinuously, "HLL", "b", "..."},
    {"OnceOnlyPlaysAWaitingSoundLater", Alarm::kOver, Alarm::kOnceOnly, "HLL", "bb", "..S"},
    {"EveryMinutePlaysAWaitingSoundLater", Alarm::kOver, Alarm::kEveryMinute, "HL", "b", ".S"},
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
    EXPECT_EQ(passes.Run("HHHH"), "S.S.");
    // A fresh start of the turns begins at the end of the list.
    EXPECT_EQ(passes.player.started, (std::vector<std::string>{"b.wav", "a.wav"}));
}

TEST(AlarmTable, ASoundThatCannotBePlayedDoesNotHoldUpTheOthers) {
    Passes passes({MakeAlarm(Alarm::kOver, Alarm::kOnceOnly, "a.wav"),
                   MakeAlarm(Alarm::kOver, Alarm::kOnceOnly, "missing.wav")});
    passes.player.unplayable = "missing.wav";
    EXPECT_EQ(passes.Run("HHH"), ".S.");
    EXPECT_EQ(passes.player.started, std::vector<std::string>{"a.wav"});
}

TEST(AlarmTable, ASuspendedTableNeitherChecksNorSoundsAndResumesAfterADelete) {
    Passes passes({MakeAlarm(Alarm::kOver, Alarm::kRepeatContinuously, "a.wav"),
                   MakeAlarm(Alarm::kOver, Alarm::kRepeatContinuously, "b.wav")});
    passes.table.Suspend();
    EXPECT_EQ(passes.Run("HH"), "..");
    EXPECT_FALSE(passes.table.Alarms().front().IsActive());
    passes.table.Remove(passes.table.Alarms().back());
    passes.table.Resume();
    EXPECT_EQ(passes.Run("HH"), "SS");
    EXPECT_EQ(passes.player.started, (std::vector<std::string>{"a.wav", "a.wav"}));
}
