#include "core/logging/DataLogger.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TempFolder.h"
#include "core/link/LiveValues.h"
#include "core/params/ParameterTable.h"
#include "core/values/Pids.h"
#include "core/values/PreferredSourceTable.h"
#include "support/FileSizeLimit.h"

using namespace rovik;

namespace {
const std::string kHeader = "Log File\r\n\"Hr\",\"Min\",\"Sec\",\"SPEED\",\"RPM\",\r\n";
const std::string kLine = "14,5,9,55.0,1450.0,\r\n";

std::tm FivePastTwo() {
    std::tm time{};
    time.tm_hour = 14;
    time.tm_min = 5;
    time.tm_sec = 9;
    return time;
}

// A log of road speed and engine speed, once a second, in a folder of its own.
struct DataLoggerTest : ::testing::Test {
    DataLoggerTest() {
        auto engineSpeed = std::make_unique<Parameter>();
        engineSpeed->abbreviation = "RPM";
        engineSpeed->pid = pid::kEngineSpeed;
        parameters.Append(std::make_unique<Parameter>());
        parameters.Append(std::move(engineSpeed));
        Drive(55.0f, 1450.0f);
    }
    void Drive(float mph, float rpm) {
        values.Store().StoreValue(kEngineSlot, pid::kRoadSpeed, mph);
        values.Store().StoreValue(kEngineSlot, pid::kEngineSpeed, rpm);
    }
    void Ticks(int count, DataLogger& which) {
        for (int i = 0; i < count; ++i) {
            which.Tick(100, values);
        }
    }
    void Ticks(int count) { Ticks(count, logger); }
    std::string Contents() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void Write(const std::string& text) const { std::ofstream(path, std::ios::binary) << text; }

    TempFolder folder;
    std::string path = folder.File("drive.txt");
    ParameterTable parameters{"unused"};
    LiveValues values{"/RovikDataLogTest-" + std::to_string(::getpid())};
    DataLogSettings settings{1, {pid::kRoadSpeed, pid::kEngineSpeed}, path, false};
    DataLogger logger{parameters, settings, FivePastTwo};
};
}  // namespace

TEST_F(DataLoggerTest, ANewFileGetsTheHeaderThenALineEachTimeTheIntervalIsPassed) {
    logger.Start();
    EXPECT_EQ(Contents(), kHeader);
    Ticks(10);
    EXPECT_EQ(Contents(), kHeader) << "a line only once more than the interval has passed";
    Ticks(1);
    EXPECT_EQ(Contents(), kHeader + kLine);
    // The 100 ms past the interval count toward the next line.
    Ticks(9);
    EXPECT_EQ(Contents(), kHeader + kLine);
    Ticks(1);
    EXPECT_EQ(Contents(), kHeader + kLine + kLine);
    logger.Stop();
    Ticks(20);
    EXPECT_EQ(Contents(), kHeader + kLine + kLine);
}

TEST_F(DataLoggerTest, AStoppedEngineHoldsTheClockUnlessTheLogRunsWithTheEngineOff) {
    struct Case {
        float rpm;
        bool logWhenEngineOff;
        std::string written;
    };
    for (const Case& c : {Case{0.0f, false, kHeader}, Case{1.0f, false, kHeader},
                          Case{1.5f, false, kHeader + "14,5,9,55.0,1.5,\r\n"},
                          Case{0.0f, true, kHeader + "14,5,9,55.0,0.0,\r\n"}}) {
        SCOPED_TRACE(c.rpm);
        std::filesystem::remove(path);
        settings.logWhenEngineOff = c.logWhenEngineOff;
        DataLogger fresh(parameters, settings, FivePastTwo);
        fresh.Start();
        Drive(55.0f, c.rpm);
        Ticks(11, fresh);
        EXPECT_EQ(Contents(), c.written);
    }
    // Time with the engine off did not count.
    settings.logWhenEngineOff = false;
    std::filesystem::remove(path);
    logger.Start();
    Drive(0.0f, 0.0f);
    Ticks(30);
    Drive(55.0f, 1450.0f);
    Ticks(10);
    EXPECT_EQ(Contents(), kHeader);
    Ticks(1);
    EXPECT_EQ(Contents(), kHeader + kLine);
}

TEST_F(DataLoggerTest, StartOnAFileThatIsThereAddsLinesAfterWhatItHolds) {
    Write("Log File\r\nkept\r\n");
    logger.Start();
    Ticks(11);
    EXPECT_EQ(Contents(), "Log File\r\nkept\r\n" + kLine);
}

TEST_F(DataLoggerTest, ClearLeavesOnlyTheHeaderOfTheGivenColumns) {
    Write(kHeader + kLine);
    EXPECT_TRUE(logger.Clear(path, {pid::kEngineSpeed}));
    EXPECT_EQ(Contents(), "Log File\r\n\"Hr\",\"Min\",\"Sec\",\"RPM\",\r\n");
    EXPECT_FALSE(logger.IsRecording());
    EXPECT_FALSE(logger.Clear(folder.File("no-folder/drive.txt"), {}));
}

// A column whose PID the table lost logs nothing rather than the table's last parameter;
// without an engine speed parameter the link's own engine speed says whether to log.
TEST_F(DataLoggerTest, APidTheTableNoLongerHasIsLoggedAsAnEmptyField) {
    ParameterTable roadSpeedOnly("unused");
    roadSpeedOnly.Append(std::make_unique<Parameter>());
    DataLogger log(roadSpeedOnly, settings, FivePastTwo);
    log.Start();
    Drive(55.0f, 0.0f);
    Ticks(11, log);
    const std::string header = "Log File\r\n\"Hr\",\"Min\",\"Sec\",\"SPEED\",\"\",\r\n";
    EXPECT_EQ(Contents(), header);
    Drive(55.0f, 1450.0f);
    Ticks(11, log);
    EXPECT_EQ(Contents(), header + "14,5,9,55.0,,\r\n");
}

// A damaged settings file's interval of 0 counts as one second.
TEST_F(DataLoggerTest, TimeSavedUnderALongerIntervalIsNotPaidOutAsABurstOfLines) {
    settings.interval = 60;
    logger.Start();
    Ticks(500);
    settings.interval = 0;
    Ticks(1);
    EXPECT_EQ(Contents(), kHeader + kLine);
    Ticks(9);
    EXPECT_EQ(Contents(), kHeader + kLine);
    Ticks(1);
    EXPECT_EQ(Contents(), kHeader + kLine + kLine);
}

TEST_F(DataLoggerTest, ALineThatCannotBeWrittenIsLostWholeAndSaidSoWhileRecordingGoesOn) {
    settings.fileName = folder.File("no-folder/drive.txt");
    logger.Start();
    EXPECT_TRUE(logger.IsRecording());
    EXPECT_NE(logger.Failure(), "");

    settings.fileName = path;
    Write(kHeader);
    {
        // Room for only part of the line, as on a disk that fills up.
        rovik::test::FileSizeLimit limit(kHeader.size() + 5);
        Ticks(11);
    }
    EXPECT_EQ(Contents(), kHeader);
    EXPECT_NE(logger.Failure(), "");
    Ticks(10);
    EXPECT_EQ(Contents(), kHeader + kLine);
    EXPECT_EQ(logger.Failure(), "");

    // A file removed while recording is not made again without its header.
    std::filesystem::remove(path);
    Ticks(10);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(logger.Failure(),
              "Data log: cannot write to " + path + ": No such file or directory");
    EXPECT_TRUE(logger.IsRecording());
}

TEST(DataLoggerFileName, ATypedNameBecomesALowerCaseTextFileInTheFolderAsTyped) {
    const std::pair<std::string, std::string> cases[] = {
        {"Trip", "trip.txt"},
        {"Trip.TXT", "trip.txt"},
        {"trip.csv", "trip.csv.txt"},
        {"/home/Driver/Logs/Monday", "/home/Driver/Logs/monday.txt"},
    };
    for (const auto& [typed, used] : cases) {
        EXPECT_EQ(DataLogger::FileNameFor(typed), used) << typed;
    }
}
