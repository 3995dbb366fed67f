#include <gtest/gtest.h>

#include "LocalZone.h"
#include "core/maint/MaintenanceSchedule.h"

using namespace rovik;

namespace {
struct MaintenanceScheduleTest : ::testing::Test {
    MaintenanceScheduleTest() {
        MaintenanceItem oil(At(2024, 1, 10), 50000.0);
        oil.name = "Oil Change";
        oil.serviceItems = {"Filter LF3000", "10 gal 15W-40"};
        oil.intervalDays = 360;
        oil.ComputeDue();
        schedule.Add(oil);
    }

    LocalZone zone;
    MaintenanceSchedule schedule;
};
}  // namespace

TEST_F(MaintenanceScheduleTest, PerformRestartsTheItemFromNowAndRecordsItInTheHistory) {
    MaintenanceItem& oil = schedule.items.front();
    const Moment now = At(2024, 11, 20, 16, 45);
    const MaintenanceRecord& record = schedule.Perform(oil, now, 61234.75);

    EXPECT_EQ(oil.lastInstanceTime, now);
    EXPECT_EQ(oil.lastInstanceMileage, 61234.75);
    EXPECT_EQ(oil.dueTime, At(2025, 11, 20, 16, 45));
    EXPECT_EQ(oil.dueMileage, 73234.75);
    EXPECT_EQ(oil.instanceCount, 1u);
    const MaintenanceRecord expected{
        "Oil Change", {"Filter LF3000", "10 gal 15W-40"}, 360, 12000.0, now, 61234.75};
    EXPECT_EQ(record, expected);
    EXPECT_EQ(record.RowText(), "Oil Change\t12 Months, 12000 Miles\t11/20/2024  61235 Miles");

    schedule.Perform(oil, At(2025, 11, 1), 72000.0);
    EXPECT_EQ(oil.instanceCount, 2u);
    ASSERT_EQ(schedule.history.size(), 2u);
    EXPECT_EQ(schedule.history.back().doneMileage, 72000.0);
    EXPECT_EQ(&schedule.history.front(), &record);
}

TEST_F(MaintenanceScheduleTest, NewItemsGoToTheFrontAndRemovalTakesExactlyTheOneGiven) {
    MaintenanceItem& copy = schedule.Add(schedule.items.front());
    EXPECT_EQ(&copy, &schedule.items.front());
    ASSERT_EQ(schedule.items.size(), 2u);
    MaintenanceItem& original = schedule.items.back();
    schedule.Remove(original);
    ASSERT_EQ(schedule.items.size(), 1u);
    EXPECT_EQ(&schedule.items.front(), &copy);

    schedule.Perform(copy, At(2024, 2, 1), 51000.0);
    schedule.Perform(copy, At(2024, 2, 1), 51000.0);
    schedule.Remove(schedule.history.front());
    EXPECT_EQ(schedule.history.size(), 1u);
}

TEST_F(MaintenanceScheduleTest, AHistoryRowShowsMilesOnlyForAnIntervalAboveHalfAMile) {
    MaintenanceRecord record{"Annual inspection", {}, 360, 0.5, At(2024, 3, 4), 123456.7};
    EXPECT_EQ(record.RowText(), "Annual inspection\t12 Months\t03/04/2024  123457 Miles");
    record.mileageInterval = 0.6;
    EXPECT_EQ(record.RowText(), "Annual inspection\t12 Months, 1 Miles\t03/04/2024  123457 Miles");
}
