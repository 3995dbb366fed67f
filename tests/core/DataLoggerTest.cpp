#include "core/logging/DataLogger.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "CalendarDate.h"
#include "TempFolder.h"
#include "core/link/LiveValues.h"
#include "core/params/ParameterTable.h"
#include "core/values/Pids.h"
#include "core/values/PreferredSourceTable.h"
#include "support/FileSizeLimit.h"

using namespace rovik;

namespace {
// A quote in a heading is doubled, so the heading stays one field.
const std::string kHeader = "Log File\r\n\"Hr\",\"Min\",\"Sec\",\"SPEED\",\"R\"\"PM\",\r\n";
const std::string kLine = "14,5,9,55.0,1450.0,\r\n";

// A log of road speed and engine speed, once a second, at 55 mph.
struct DataLoggerTest : ::testing::Test {
    DataLoggerTest() {
        auto engineSpeed = std::make_unique<Parameter>();
        engineSpeed->abbreviation = "R\"PM";
        engineSpeed->pid = pid::kEngineSpeed;
        parameters.Append(std::make_unique<Parameter>());
        parameters.Append(std::move(engineSpeed));
        values.Store().StoreValue(kEngineSlot, pid::kRoadSpeed, 55.0f);
        Rpm(1450.0f);
    }
    void Rpm(float rpm) { values.Store().StoreValue(kEngineSlot, pid::kEngineSpeed, rpm); }
    // The file after this many more ticks.
    std::string After(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            logger.Tick(100, values);
        }
        return folder.Contents(settings.fileName);
    }

    TempFolder folder;
    ParameterTable parameters{"unused"};
    LiveValues values{"/RovikDataLogTest-" + std::to_string(::getpid())};
    DataLogSettings settings{1, {pid::kRoadSpeed, pid::kEngineSpeed}, folder.File("a.txt"), false};
    DataLogger logger{parameters, settings, [] { return Date(2014, 7, 14, 14, 5, 9); }};
};
}  // namespace

TEST_F(DataLoggerTest, ALineComesOnceTheIntervalIsPassedAndAStartAddsToTheFileThatIsThere) {
    logger.Start();
    EXPECT_EQ(After(10), kHeader);
    EXPECT_EQ(After(1), kHeader + kLine);
    // The 100 ms past the interval count toward the next line.
    EXPECT_EQ(After(10), kHeader + kLine + kLine);
    logger.Stop();
    EXPECT_EQ(After(20), kHeader + kLine + kLine);
    logger.Start();
    EXPECT_EQ(After(10), kHeader + kLine + kLine + kLine);
}

TEST_F(DataLoggerTest, AStoppedEngineHoldsTheClockUnlessTheLogRunsWithTheEngineOff) {
    logger.Start();
    Rpm(1.0f);
    EXPECT_EQ(After(30), kHeader);
    Rpm(1450.0f);
    EXPECT_EQ(After(10), kHeader);
    EXPECT_EQ(After(1), kHeader + kLine);
    settings.logWhenEngineOff = true;
    Rpm(0.0f);
    EXPECT_EQ(After(10), kHeader + kLine + "14,5,9,55.0,0.0,\r\n");
}

// Not the table's fallback parameter under the wrong heading; the link's own engine speed
// still tells whether the engine runs.
TEST_F(DataLoggerTest, AColumnWhosePidTheTableLacksIsLeftEmpty) {
    parameters.Clear();
    parameters.Append(std::make_unique<Parameter>());
    logger.Start();
    Rpm(0.0f);
    const std::string header = "Log File\r\n\"Hr\",\"Min\",\"Sec\",\"SPEED\",\"\",\r\n";
    EXPECT_EQ(After(11), header);
    Rpm(1450.0f);
    EXPECT_EQ(After(11), header + "14,5,9,55.0,,\r\n");
}

TEST_F(DataLoggerTest, ALineThatCannotBeWrittenIsLostWholeAndSaidSoWhileRecordingGoesOn) {
    logger.Start();
    {
        rovik::test::FileSizeLimit diskFillsUp(kHeader.size() + 5);
        EXPECT_EQ(After(11), kHeader);
    }
    EXPECT_NE(logger.Failure(), "");
    EXPECT_EQ(After(10), kHeader + kLine);
    EXPECT_EQ(logger.Failure(), "");
}

TEST(DataLoggerFileName, ATypedNameBecomesALowerCaseTextFileInTheFolderAsTyped) {
    for (auto [typed, used] :
         {std::pair{"Trip", "trip.txt"}, std::pair{"Trip.TXT", "trip.txt"},
          std::pair{"a.csv", "a.csv.txt"}, std::pair{"/home/Al/Monday", "/home/Al/monday.txt"}}) {
        EXPECT_EQ(DataLogger::FileNameFor(typed), used) << typed;
    }
}
