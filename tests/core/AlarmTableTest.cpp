#include <gtest/gtest.h>

#include "AlarmPasses.h"

using namespace rovik;
using namespace rovik::test;

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
