#include <gtest/gtest.h>

#include <filesystem>

#include "CalendarDate.h"
#include "TempFolder.h"
#include "core/diag/FaultCollector.h"
#include "support/FileSizeLimit.h"

using namespace rovik;

namespace {
const std::string kCoolantLine =
    "ENG PID   110  3 Engine Coolant Temperature     High Voltage      3/ 7/14  9:05";

std::time_t LocalTime(int year, int month, int day, int hour, int minute) {
    std::tm when = Date(year, month, day, hour, minute);
    when.tm_isdst = -1;
    return std::mktime(&when);
}

struct FaultCollectorTest : ::testing::Test {
    // A J1587 fault as the decoder reports it: code, diagnostic byte and occurrence count.
    void Receive(std::uint8_t mid, std::uint8_t code, std::uint8_t diagnostic,
                 std::uint8_t occurrences = 0) {
        faults.RecordFault(mid, code, diagnostic, occurrences, false);
    }
    std::vector<std::string> Lines() const { return faults.RecentFaults().lines; }
    std::string History() const { return folder.Contents(path); }
    // The history as a new file plus these fault lines.
    static std::string HistoryWith(const std::vector<std::string>& lines) {
        std::string text = DiagnosticHistory::kHeader;
        for (const std::string& line : lines) {
            text += line + "\r\n";
        }
        return text;
    }

    TempFolder folder;
    std::string path = folder.File("DIAGNOSTICS.TXT");
    std::time_t now = LocalTime(2014, 3, 7, 9, 5);
    FaultCollector faults{path, [this] { return now; }};
};
}  // namespace

TEST_F(FaultCollectorTest, TheHistoryKeepsItsHeaderAndTheUsersNotes) {
    // A history that is not there comes back with its header.
    Receive(128, 110, 0x23);
    EXPECT_EQ(History(), HistoryWith({kCoolantLine}));
    EXPECT_EQ(faults.RecentFaults().historyProblem, "");
    ASSERT_TRUE(faults.ClearHistory());
    const std::string header = History();
    EXPECT_EQ(header,
              "Diagnostic History File\r\n"
              "Feel free to add notes to this file, but do not move or delete.\r\n"
              "SRC TPE  ID MD COMPONENT                      MODE             MM/DD/YY HH:MM\r\n" +
                  std::string(77, '=') + "\r\n");
    EXPECT_EQ(faults.Count(), 1u) << "the list is not the history";
    // A history that is there, with the user's notes, is left alone; a fault starts a line
    // of its own after them.
    std::ofstream(path, std::ios::app) << "tyres rotated";
    ASSERT_TRUE(faults.CreateHistoryIfMissing());
    faults.ClearRecentList();
    Receive(128, 110, 0x23);
    EXPECT_EQ(History(), header + "tyres rotated\r\n" + kCoolantLine + "\r\n");
}

TEST_F(FaultCollectorTest, LinesGiveSourceTypeCodeModeNameAndTime) {
    // An expansion code is a page-two PID; a SID carries its occurrence count.
    Receive(128, 200, 0x03);
    Receive(128, 1, 0xB5, 5);
    Receive(140, 250, 0x3E);
    now = LocalTime(2021, 11, 23, 17, 45);
    // A J1939 sender with a J1587 counterpart is named by it, any other by its address.
    faults.RecordFault(3, 524287, 31, 0x85, true);
    faults.RecordFault(11, 1024, 2, 1, true);
    faults.RecordFault(49, 520204, 9, 1, true);
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{
                  "ENG PID   456  3 UNKNOWN COMPONENT              High Voltage      3/ 7/14  9:05",
                  "ENG SID     1  5 Injector Cylinder #1           Low Current       3/ 7/14  9:05",
                  "140 SID   250 14 SAE J1708 (J1587) Data Link    Special Error     3/ 7/14  9:05",
                  "TRN SPN524287 31 UNKNOWN COMPONENT              UNKNOWN MODE     11/23/21 17:45",
                  "ABS SPN  1024  2 UNKNOWN COMPONENT              Invalid Data     11/23/21 17:45",
                  " 49 SPN520204  9 UNKNOWN COMPONENT              Abnormal Update  11/23/21 17:45",
              }));
    EXPECT_EQ(faults.FaultLine(8), "");
}

// Repeats, faults turning inactive, the same code on both links and their listing are
// followed through the dashboard in the integration tests.
TEST_F(FaultCollectorTest, FaultsBeyondTheListAreWrittenOncePerClearOfTheList) {
    faults.CreateHistoryIfMissing();
    for (std::uint8_t pid = 1; pid <= 19; ++pid) {
        Receive(128, pid, 0x20);
    }
    ASSERT_EQ(faults.Count(), 19u);
    // The twentieth and twenty-first faults keep being reported.
    for (int report = 0; report < 5; ++report) {
        Receive(128, 20, 0x20);
        Receive(128, 21, 0x20);
    }
    FaultCollector::Recent recent = faults.RecentFaults();
    EXPECT_EQ(recent.lines.size(), 19u);
    EXPECT_EQ(recent.unlisted, 2u);
    EXPECT_EQ(recent.runningTotal, 21u);
    std::vector<std::string> written;
    for (std::uint32_t pid = 1; pid <= 21; ++pid) {
        FaultEntry entry{.type = FaultEntry::Type::Pid, .code = pid, .source = 128};
        entry.active = true;
        entry.time = now;
        written.push_back(entry.Line());
    }
    EXPECT_EQ(History(), HistoryWith(written));

    faults.ClearRecentList();
    EXPECT_EQ(faults.Count(), 0u);
    EXPECT_EQ(faults.RunningTotal(), 0u);
    Receive(128, 20, 0x20);
    Receive(128, 1, 0x20);
    written.push_back(faults.FaultLine(0));
    written.push_back(faults.FaultLine(1));
    EXPECT_EQ(History(), HistoryWith(written));
}

TEST_F(FaultCollectorTest, AHistoryThatCannotBeWrittenLosesNothingElse) {
    std::filesystem::create_directory(path);
    Receive(128, 110, 0x23);
    Receive(128, 100, 0x21);
    FaultCollector::Recent recent = faults.RecentFaults();
    EXPECT_EQ(recent.lines.size(), 2u);
    EXPECT_NE(recent.historyProblem, "");
    EXPECT_FALSE(faults.ClearHistory());
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(FaultCollectorTest, ALineCutShortByAFullDiskIsTakenBack) {
    faults.CreateHistoryIfMissing();
    const std::string before = History();
    {
        // Room for only part of the line, as on a disk that fills up.
        rovik::test::FileSizeLimit limit(before.size() + 20);
        Receive(128, 110, 0x23);
    }

    EXPECT_EQ(History(), before);
    EXPECT_NE(faults.RecentFaults().historyProblem, "");
    EXPECT_EQ(faults.Count(), 1u);
    Receive(128, 100, 0x21);
    EXPECT_EQ(faults.RecentFaults().historyProblem, "");
    EXPECT_EQ(History(), before + faults.FaultLine(1) + "\r\n");
}
