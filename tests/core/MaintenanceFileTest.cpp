#include <gtest/gtest.h>

#include "LocalZone.h"
#include "core/maint/MaintenanceFile.h"
#include "core/maint/MaintenanceFileReader.h"
#include "core/maint/MaintenanceItem.h"

using namespace rovik;

namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// Lines ended by CR LF, as the program writes them.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

const std::string kHead = Lines({"RVK PC Maintenance file v1.0", ""});

const std::string kOilChange = Lines(
    {"Name: Oil Change", "ServiceItems: 2", "Filter LF3000", "10 gal 15W-40", "TimeOnly: 0", "",
     "MonthInterval: 12", "MileageInterval: 12000.0", "DueTime: 01/09/2025", "DueMileage: 62000.0",
     "LastInstanceTime: 01/10/2024", "LastInstanceMileage: 50000.0", "InstanceCount: 3", ""});

const std::string kInspection = Lines(
    {"Name: DOT Inspection: cab & trailer", "ServiceItems: 0", "TimeOnly: 1", "Form 396",
     "MonthInterval: 12", "MileageInterval: 0.0", "DueTime: 06/01/2025", "DueMileage: 51234.5",
     "LastInstanceTime: 06/01/2024", "LastInstanceMileage: 51234.5", "InstanceCount: 0", ""});

const std::string kRecord =
    Lines({"Name: Oil Change", "TimeInterval: 12", "MileageInterval: 12000.0",
           "DoneTime: 01/10/2024", "DoneMileage: 50000.0", "ServiceItems: 1", "Filter LF3000", ""});

const std::string kFile =
    kHead + Lines({"ItemCount = 2", "HistoryCount = 1", ""}) + kOilChange + kInspection + kRecord;

// A 12-month, 12000-mile item last performed at noon on 10 January 2024 at 50000 miles.
MaintenanceItem OilChange(bool timeOnly = false) {
    MaintenanceItem item(At(2024, 1, 10), 50000.0);
    item.intervalDays = 12 * MaintenanceItem::kDaysPerMonth;
    item.timeOnly = timeOnly;
    item.mileageInterval = timeOnly ? 0.0 : 12000.0;
    item.ComputeDue();
    return item;
}

struct MaintenanceFileTest : ::testing::Test {
    MaintenanceSchedule Read(const std::string& text) {
        return MaintenanceFileReader(BytesOf(text), now, distance).Read().value();
    }
    // The file's single item, after a header that announces it.
    MaintenanceItem ReadItem(const std::string& item) {
        MaintenanceSchedule schedule =
            Read(kHead + Lines({"ItemCount = 1", "HistoryCount = 0", ""}) + item);
        EXPECT_EQ(schedule.items.size(), 1u);
        return schedule.items.empty() ? MaintenanceItem() : schedule.items.front();
    }

    static MaintenanceSchedule Expected() {
        MaintenanceItem oil = OilChange();
        oil.name = "Oil Change";
        oil.serviceItems = {"Filter LF3000", "10 gal 15W-40"};
        oil.instanceCount = 3;
        MaintenanceItem inspection(At(2024, 6, 1), 51234.5);
        inspection.name = "DOT Inspection: cab & trailer";
        inspection.intervalDays = 360;
        inspection.mileageInterval = 0.0;
        inspection.timeOnly = true;
        inspection.note = "Form 396";
        inspection.ComputeDue();
        const MaintenanceRecord record{"Oil Change", {"Filter LF3000"}, 360,
                                       12000.0,      At(2024, 1, 10),   50000.0};
        return {{oil, inspection}, {record}};
    }

    LocalZone zone;
    Moment now = At(2026, 2, 3, 9, 41);
    double distance = 77777.7;
};
}  // namespace

TEST_F(MaintenanceFileTest, WritesTheScheduleLineByLineAndReadsItBackTheSame) {
    const MaintenanceSchedule schedule = Expected();
    EXPECT_EQ(MaintenanceFile::ToBytes(schedule), BytesOf(kFile));
    EXPECT_EQ(Read(kFile), schedule);
}

TEST_F(MaintenanceFileTest, ReadsTheOlderLayoutWithoutTheTimeOnlyAndNoteLines) {
    std::string older = kOilChange;
    older.erase(older.find("TimeOnly: 0\r\n\r\n"), 15);
    const MaintenanceSchedule schedule = Read(
        kHead + Lines({"ItemCount = 2", "HistoryCount = 1", ""}) + older + kInspection + kRecord);
    EXPECT_EQ(schedule, Expected());
}

TEST_F(MaintenanceFileTest, ReadsDatesAsLocalTimesAtNoonUnlessTheyGiveATwelveHourTime) {
    struct Case {
        std::string text;
        std::optional<Moment> date;
    };
    const Case cases[] = {
        {"03/15/2024", At(2024, 3, 15, 12, 0)},
        {"03/15/2024 12:00AM", At(2024, 3, 15, 0, 0)},
        {"03/15/2024 12:30PM", At(2024, 3, 15, 12, 30)},
        {"03/15/2024 3:07PM", At(2024, 3, 15, 15, 7)},
        {"02/29/2023", std::nullopt},
        {"03/15/2024 13:00PM", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MaintenanceFileReader::ParseDate(c.text), c.date) << c.text;
    }
    for (const char* far : {"12/31/9999", "01/01/1900", "02/29/2024"}) {
        EXPECT_EQ(LocalDate::DateText(MaintenanceFileReader::ParseDate(far).value()), far);
    }
}

TEST_F(MaintenanceFileTest, ReadsWhatItCanOfADamagedFile) {
    const std::string counts = Lines({"ItemCount = 1", "HistoryCount = 0", ""});
    struct Case {
        std::string name;
        std::string text;
        std::size_t items;
        std::size_t records;
    };
    const Case cases[] = {
        {"counts beyond the contents",
         kHead + Lines({"ItemCount = 2000000000", "HistoryCount = 99999999999999999999", ""}) +
             kOilChange + kRecord,
         2, 0},
        {"negative counts", kHead + Lines({"ItemCount = -4", "HistoryCount", ""}) + kOilChange, 0,
         0},
        {"service items beyond the end", kHead + counts + "Name: x\r\nServiceItems: 1000000\r\n", 1,
         0},
        {"no line ends", kHead + counts + std::string(100000, 'N'), 1, 0},
        {"a bare first line", "RVK PC Maintenance file v1.0", 0, 0},
    };
    for (const Case& c : cases) {
        const MaintenanceSchedule schedule = Read(c.text);
        EXPECT_EQ(schedule.items.size(), c.items) << c.name;
        EXPECT_EQ(schedule.history.size(), c.records) << c.name;
    }
}

TEST_F(MaintenanceFileTest, AValueThatCannotBeReadKeepsTheDefaultOrIsWorkedOutAgain) {
    auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        return text.replace(text.find(from), from.size(), to);
    };
    std::string damaged = replaced(kOilChange, "MonthInterval: 12", "MonthInterval: -3");
    damaged = replaced(damaged, "MileageInterval: 12000.0", "MileageInterval: lots");
    damaged = replaced(damaged, "DueTime: 01/09/2025", "DueTime: 13/45/2025");
    damaged = replaced(damaged, "DueMileage: 62000.0", "DueMileage: nan");
    damaged = replaced(damaged, "InstanceCount: 3", "InstanceCount: 4294967296");
    damaged = replaced(damaged, "Filter LF3000", "Filter\tLF3000");
    MaintenanceItem item = ReadItem(damaged);
    EXPECT_EQ(item.serviceItems.front(), "FilterLF3000");
    EXPECT_EQ(item.intervalDays, 365);
    EXPECT_EQ(item.mileageInterval, 12000.0);
    EXPECT_EQ(item.dueTime, At(2025, 1, 9));
    EXPECT_EQ(item.dueMileage, 62000.0);
    EXPECT_EQ(item.instanceCount, 0u);

    damaged = replaced(kOilChange, "LastInstanceTime: 01/10/2024", "LastInstanceTime: soon");
    damaged = replaced(damaged, "LastInstanceMileage: 50000.0", "LastInstanceMileage: inf");
    item = ReadItem(damaged);
    EXPECT_EQ(item.lastInstanceTime, now);
    EXPECT_EQ(item.lastInstanceMileage, distance);
    EXPECT_EQ(item.dueTime, At(2025, 1, 9));
}

TEST_F(MaintenanceFileTest, AFileCutAnywhereReadsWhatItHoldsAndWritesBackToItself) {
    for (std::size_t length = kHead.size(); length <= kFile.size(); ++length) {
        const MaintenanceSchedule cut = Read(kFile.substr(0, length));
        const Bytes written = MaintenanceFile::ToBytes(cut);
        ASSERT_EQ(MaintenanceFile::ToBytes(Read(std::string(written.begin(), written.end()))),
                  written)
            << length;
    }
}

TEST_F(MaintenanceFileTest, FallsDueAfterItsIntervalWithAYearOrMoreCountedInWholeYears) {
    struct Case {
        int months;
        Moment last;
        Moment due;
    };
    const Case cases[] = {
        {0, At(2024, 1, 10), At(2024, 1, 10)},
        {12, At(2024, 1, 10), At(2025, 1, 9)},
        // The 180 days beyond the whole year are dropped.
        {18, At(2024, 1, 10), At(2025, 1, 9)},
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

TEST_F(MaintenanceFileTest, TurnsYellowAndRedAFifthOfItsIntervalEitherSideOfTheDuePoint) {
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
