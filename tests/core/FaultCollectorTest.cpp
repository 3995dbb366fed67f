#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "TempFolder.h"
#include "core/diag/FaultCollector.h"
#include "core/params/J1587Decoder.h"
#include "core/values/PreferredSourceTable.h"
#include "core/values/ValueStore.h"
#include "support/FileSizeLimit.h"

using namespace rovik;

namespace {
using Bytes = std::vector<std::uint8_t>;

const std::string kCoolantLine =
    "ENG PID   110  3 Engine Coolant Temperature     High Voltage      3/ 7/14  9:05";

std::time_t LocalTime(int year, int month, int day, int hour, int minute) {
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_isdst = -1;
    return std::mktime(&when);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct FaultCollectorTest : ::testing::Test {
    // A J1708 message from the MID with the items given and its checksum; the fault item
    // starts at index 1.
    void Receive(std::uint8_t mid, Bytes items) {
        Bytes message = {mid};
        message.insert(message.end(), items.begin(), items.end());
        std::uint8_t sum = 0;
        for (std::uint8_t b : message) {
            sum = static_cast<std::uint8_t>(sum + b);
        }
        message.push_back(static_cast<std::uint8_t>(-sum));
        decoder.DecodeJ1587(J1708Frame{message.data(), message.size()}, kEngineSlot);
    }
    std::vector<std::string> Lines() const { return faults.RecentFaults().lines; }
    std::string History() const { return ReadAll(path); }
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
    // Faults reach the collector through the decoder that finds them.
    ValueStore store{"/RovikFaultTest-" + std::to_string(::getpid())};
    J1587Decoder decoder = [this] {
        J1587Decoder made(store);
        made.SetFaultRecorder(&faults);
        return made;
    }();
};
}  // namespace

TEST_F(FaultCollectorTest, ANewHistoryHoldsOnlyItsHeader) {
    ASSERT_TRUE(faults.CreateHistoryIfMissing());
    const std::string header = History();
    EXPECT_EQ(header.size(), 90u + 79u + 79u);
    EXPECT_EQ(header,
              "Diagnostic History File\r\n"
              "Feel free to add notes to this file, but do not move or delete.\r\n"
              "SRC TPE  ID MD COMPONENT                      MODE             MM/DD/YY HH:MM\r\n" +
                  std::string(77, '=') + "\r\n");
    // A history that is there, with the user's notes, is left alone.
    std::ofstream(path, std::ios::app) << "brakes checked\r\n";
    ASSERT_TRUE(faults.CreateHistoryIfMissing());
    EXPECT_EQ(History(), header + "brakes checked\r\n");
}

TEST_F(FaultCollectorTest, AnActiveCoolantFaultIsListedAndWrittenOnce) {
    faults.CreateHistoryIfMissing();
    Receive(128, {194, 2, 110, 0x23});
    ASSERT_EQ(Lines(), std::vector<std::string>{kCoolantLine});
    EXPECT_EQ(kCoolantLine.size(), FaultEntry::kLineWidth);
    EXPECT_EQ(History(), HistoryWith({kCoolantLine}));

    now += 3600;
    Receive(128, {194, 2, 110, 0x23});
    EXPECT_EQ(faults.Count(), 1u);
    EXPECT_EQ(faults.RunningTotal(), 1u);

    // Turning inactive is news for the list, not for the history.
    Receive(128, {194, 2, 110, 0x63});
    ASSERT_EQ(faults.Count(), 2u);
    EXPECT_EQ(faults.FaultLine(1),
              "ENG PID   110  3 Engine Coolant Temperature     High Voltage     ** INACTIVE **");
    EXPECT_EQ(faults.FaultLine(2), "");
    EXPECT_EQ(History(), HistoryWith({kCoolantLine}));
}

TEST_F(FaultCollectorTest, DiagnosticBytesGiveCodeTypeAndName) {
    // An expansion code is a page-two PID; a SID carries its occurrence count.
    Receive(128, {194, 7, 200, 0x03, 1, 0xB5, 5, 84, 0x22});
    Receive(130, {194, 2, 1, 0x35});
    Receive(136, {194, 2, 2, 0x34});
    Receive(140, {194, 2, 250, 0x3E});
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "ENG PID   456  3 UNKNOWN COMPONENT              High Voltage      "
                           "3/ 7/14  9:05",
                           "ENG SID     1  5 Injector Cylinder #1           Low Current       "
                           "3/ 7/14  9:05",
                           "ENG PID    84  2 Road Speed                     Invalid Data      "
                           "3/ 7/14  9:05",
                           "TRN SID     1  5 C1 Solenoid Valve              Low Current       "
                           "3/ 7/14  9:05",
                           "ABS SID     2  4 Wheel Sensor ABS Axle 1 Right  Low Voltage       "
                           "3/ 7/14  9:05",
                           "140 SID   250 14 SAE J1708 (J1587) Data Link    Special Error     "
                           "3/ 7/14  9:05",
                       }));
}

// A J1939 sender with a J1587 counterpart is named by it, any other by its address.
TEST_F(FaultCollectorTest, J1939FaultsCarryTheirSpnAndSender) {
    now = LocalTime(2021, 11, 23, 17, 45);
    faults.RecordFault(0, 3719, 16, 1, true);
    faults.RecordFault(3, 524287, 31, 0x85, true);
    faults.RecordFault(11, 1024, 2, 1, true);
    faults.RecordFault(49, 520204, 9, 1, true);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "ENG SPN  3719 16 DPF 1 Soot Load                High Reading     "
                           "11/23/21 17:45",
                           "TRN SPN524287 31 UNKNOWN COMPONENT              UNKNOWN MODE     "
                           "11/23/21 17:45",
                           "ABS SPN  1024  2 UNKNOWN COMPONENT              Invalid Data     "
                           "11/23/21 17:45",
                           " 49 SPN520204  9 UNKNOWN COMPONENT              Abnormal Update  "
                           "11/23/21 17:45",
                       }));
}

TEST_F(FaultCollectorTest, TheSameCodeFromAnotherSourceOrLinkIsAnotherFault) {
    // All four share the key (110 << 8) + 3.
    Receive(128, {194, 2, 110, 0x03});
    Receive(130, {194, 2, 110, 0x03});
    faults.RecordFault(0, 110, 3, 1, true);
    faults.RecordFault(3, 110, 3, 1, true);
    EXPECT_EQ(faults.Count(), 4u);
    EXPECT_EQ(faults.RunningTotal(), 4u);
}

TEST_F(FaultCollectorTest, TheWalkStaysInsideTheMessage) {
    // The count claims more than the message holds, and the last group lacks the occurrence
    // count its diagnostic byte announces; the bytes after the message would be faults.
    Bytes buffer = {128, 194, 40, 110, 0x23, 100, 0xA1, 0x00, 84, 0x22, 84, 0x22};
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < 7; ++i) {
        sum = static_cast<std::uint8_t>(sum + buffer[i]);
    }
    buffer[7] = static_cast<std::uint8_t>(-sum);
    decoder.DecodeJ1587(J1708Frame{buffer.data(), 8}, kEngineSlot);
    EXPECT_EQ(Lines(), std::vector<std::string>{kCoolantLine});
    // An item cut off after its PID or its count byte holds nothing.
    decoder.DecodeJ1587(J1708Frame{buffer.data(), 3}, kEngineSlot);
    decoder.DecodeJ1587(J1708Frame{buffer.data(), 4}, kEngineSlot);
    Receive(128, {194, 1, 100});
    EXPECT_EQ(faults.Count(), 1u);
}

TEST_F(FaultCollectorTest, ClearingTheListRecordsEveryFaultAgain) {
    faults.CreateHistoryIfMissing();
    Receive(128, {194, 4, 110, 0x23, 100, 0x21});
    EXPECT_EQ(faults.RunningTotal(), 2u);
    faults.ClearRecentList();
    EXPECT_EQ(faults.Count(), 0u);
    EXPECT_EQ(faults.RunningTotal(), 0u);
    EXPECT_EQ(faults.FaultLine(0), "");
    Receive(128, {194, 2, 110, 0x23});
    EXPECT_EQ(faults.RunningTotal(), 1u);
    EXPECT_EQ(History(), HistoryWith({kCoolantLine,
                                      "ENG PID   100  1 Engine Oil Pressure            Low Reading "
                                      "      3/ 7/14  9:05",
                                      kCoolantLine}));
}

TEST_F(FaultCollectorTest, FaultsBeyondTheListAreWrittenOncePerClear) {
    faults.CreateHistoryIfMissing();
    for (std::uint8_t pid = 1; pid <= 19; ++pid) {
        Receive(128, {194, 2, pid, 0x20});
    }
    ASSERT_EQ(faults.Count(), 19u);
    // The twentieth and twenty-first faults keep being reported.
    for (int report = 0; report < 5; ++report) {
        Receive(128, {194, 4, 20, 0x20, 21, 0x20});
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
    Receive(128, {194, 2, 20, 0x20});
    written.push_back(faults.FaultLine(0));
    EXPECT_EQ(History(), HistoryWith(written));
}

TEST_F(FaultCollectorTest, AnAppendStartsOnALineOfItsOwn) {
    faults.CreateHistoryIfMissing();
    std::ofstream(path, std::ios::app) << "tyres rotated";
    Receive(128, {194, 2, 110, 0x23});
    EXPECT_EQ(History(), DiagnosticHistory::kHeader + "tyres rotated\r\n" + kCoolantLine + "\r\n");
}

TEST_F(FaultCollectorTest, AHistoryThatWentAwayComesBackWithItsHeader) {
    Receive(128, {194, 2, 110, 0x23});
    EXPECT_EQ(History(), HistoryWith({kCoolantLine}));
    EXPECT_EQ(faults.RecentFaults().historyProblem, "");
}

TEST_F(FaultCollectorTest, AHistoryThatCannotBeWrittenLosesNothingElse) {
    std::filesystem::create_directory(path);
    Receive(128, {194, 4, 110, 0x23, 100, 0x21});
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
        Receive(128, {194, 2, 110, 0x23});
    }

    EXPECT_EQ(History(), before);
    EXPECT_NE(faults.RecentFaults().historyProblem, "");
    EXPECT_EQ(faults.Count(), 1u);
    Receive(128, {194, 2, 100, 0x21});
    EXPECT_EQ(faults.RecentFaults().historyProblem, "");
    EXPECT_EQ(History(), before + faults.FaultLine(1) + "\r\n");
}

TEST_F(FaultCollectorTest, ClearHistoryLeavesTheHeaderOnly) {
    faults.CreateHistoryIfMissing();
    Receive(128, {194, 2, 110, 0x23});
    ASSERT_TRUE(faults.ClearHistory());
    EXPECT_EQ(History(), DiagnosticHistory::kHeader);
    EXPECT_EQ(faults.Count(), 1u) << "the list is not the history";
}
