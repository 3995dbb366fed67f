#include <gtest/gtest.h>

#include "LocalZone.h"
#include "core/maint/MaintenanceItem.h"

using namespace rovik;

namespace {
// A 12-month, 12000-mile item last performed at noon on 10 January 2024 at 50000 miles.
MaintenanceItem OilChange(bool timeOnly = false) {
    MaintenanceItem item(At(2024, 1, 10), 50000.0);
    item.intervalDays = 12 * MaintenanceItem::kDaysPerMonth;
    item.timeOnly = timeOnly;
    item.mileageInterval = timeOnly ? 0.0 : 12000.0;
    item.ComputeDue();
    return item;
}

struct MaintenanceItemTest : ::testing::Test {
    LocalZone zone;
};
}  // namespace

TEST_F(MaintenanceItemTest, FallsDueAfterItsIntervalWithAYearOrMoreCountedInWholeYears) {
    struct Case {
        int months;
        Moment last;
        Moment due;
    };
    const Case cases[] = {
        {0, At(2024, 1, 10), At(2024, 1, 10)},
        {11, At(2024, 1, 10), At(2024, 12, 5)},
        {12, At(2024, 1, 10), At(2025, 1, 9)},
        // The 180 days beyond the whole year are dropped.
        {18, At(2024, 1, 10), At(2025, 1, 9)},
        {24, At(2024, 1, 10), At(2026, 1, 9)},
        // Across the start of daylight saving the time of day stays, so the date does too.
        {3, At(2024, 1, 10, 23, 30), At(2024, 4, 9, 23, 30)},
        {3, At(2024, 1, 10), At(2024, 4, 9)},
    };
    for (const Case& c : cases) {
        MaintenanceItem item(c.last, 1000.0);
        item.intervalDays = c.months * MaintenanceItem::kDaysPerMonth;
        item.mileageInterval = 500.0;
        item.ComputeDue();
        EXPECT_EQ(item.dueTime, c.due) << c.months << " months";
        EXPECT_EQ(item.dueMileage, 1500.0);
    }
}

TEST_F(MaintenanceItemTest, TurnsYellowAndRedAFifthOfItsIntervalEitherSideOfTheDuePoint) {
    // Due at noon on 9 January 2025 at 62000 miles; a fifth of 360 days is 72 days, a fifth
    // of 12000 miles is 2400 miles.
    const Moment early = At(2024, 6, 1);
    struct Case {
        Moment now;
        double distance;
        DueStatus status;
        DueStatus timeOnlyStatus;
    };
    const Case cases[] = {
        {early, 50000.0, DueStatus::kGreen, DueStatus::kGreen},
        {At(2024, 10, 29), 50000.0, DueStatus::kGreen, DueStatus::kGreen},
        {At(2024, 10, 29, 12, 0, 1), 50000.0, DueStatus::kYellow, DueStatus::kYellow},
        {At(2025, 3, 22), 50000.0, DueStatus::kYellow, DueStatus::kYellow},
        {At(2025, 3, 22, 12, 0, 1), 50000.0, DueStatus::kRed, DueStatus::kRed},
        // A time-only item never turns by mileage.
        {early, 59600.0, DueStatus::kGreen, DueStatus::kGreen},
        {early, 59600.1, DueStatus::kYellow, DueStatus::kGreen},
        {early, 64400.0, DueStatus::kYellow, DueStatus::kGreen},
        {early, 64400.1, DueStatus::kRed, DueStatus::kGreen},
    };
    for (const Case& c : cases) {
        const std::string where = LocalDate::DateText(c.now) + " " + std::to_string(c.distance);
        EXPECT_EQ(OilChange().StatusAt(c.now, c.distance), c.status) << where;
        EXPECT_EQ(OilChange(true).StatusAt(c.now, c.distance), c.timeOnlyStatus) << where;
    }
}
