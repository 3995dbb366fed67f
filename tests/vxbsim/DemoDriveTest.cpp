#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "support/FramedLink.h"
#include "vxbsim/DemoDrive.h"

using namespace vxbsim;
using rovik::kEngineSlot;
using rovik::kTransmissionSlot;

namespace {
constexpr std::size_t kHeaderLength = sizeof DemoDrive::kRawLogHeader - 1;
constexpr int kSeconds = DemoDrive::kMinutes * 60;
const rovik::test::RecordedFaults::Fault kCoolantFault = {128, 110, 0xA0, 1, false};

// What the program shows at the end of one second of the drive.
struct Second {
    float mph = 0.0f;
    char gear = 0;
    float coolantF = 0.0f;
    bool coolantFault = false;
    float miles = 0.0f;
    float gallons = 0.0f;
    float hours = 0.0f;
};

// The drive second by second, read through the program's framing: the box's statistics
// frame closes each second.
std::vector<Second> Seconds(const std::string& log) {
    rovik::test::FramedLink read(rovik::ConnectionType::Vx100Serial);
    std::vector<Second> seconds;
    std::size_t faultsBefore = 0;
    auto closeSecond = [&] {
        const auto& faults = read.Faults();
        seconds.push_back(
            {read.Value(kEngineSlot, 84), static_cast<char>(read.Raw(kTransmissionSlot, 163)),
             read.Value(kEngineSlot, 110),
             std::count(faults.begin() + faultsBefore, faults.end(), kCoolantFault) > 0,
             read.Value(kEngineSlot, 245), read.Value(kEngineSlot, 250),
             read.Value(kEngineSlot, 247)});
        faultsBefore = faults.size();
    };
    for (std::size_t at = kHeaderLength; at < log.size(); ++at) {
        read.Feed(log.substr(at, 1));
        if (read.reports > static_cast<int>(seconds.size())) {
            closeSecond();
        }
    }
    read.Flush();
    closeSecond();
    EXPECT_EQ(read.reports, static_cast<int>(seconds.size()));
    return seconds;
}

class DemoDriveTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        log = DemoDrive::Record();
        drive = Seconds(log);
    }

    static std::string log;
    static std::vector<Second> drive;
};

std::string DemoDriveTest::log;
std::vector<Second> DemoDriveTest::drive;
}  // namespace

TEST_F(DemoDriveTest, IsTheCommittedRawLogAndComesOutTheSameEveryTime) {
    std::ifstream file(ROVIK_SOURCE_DIR "/data/demo-drive.rvk", std::ios::binary);
    ASSERT_TRUE(file) << "data/demo-drive.rvk is missing";
    std::string committed{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(committed.size(), log.size());
    EXPECT_TRUE(committed == log) << "run scripts/make-demo-drive.sh";
    EXPECT_TRUE(DemoDrive::Record() == log);
    std::string start = DemoDrive::Record(3);
    EXPECT_GT(start.size(), 3 * 60 * 400u);
    EXPECT_TRUE(log.compare(0, start.size(), start) == 0) << "a shorter drive is its start";
    EXPECT_EQ(log.substr(0, kHeaderLength), DemoDrive::kRawLogHeader);
    EXPECT_EQ(log.at(kHeaderLength), '\x80') << "the first frame follows the header at once";
    EXPECT_EQ(drive.size(), static_cast<std::size_t>(kSeconds));
    // Playback takes at most 500 bytes a second.
    double bytesPerSecond = static_cast<double>(log.size() - kHeaderLength) / kSeconds;
    EXPECT_LT(bytesPerSecond, 480.0);
    EXPECT_GT(bytesPerSecond, 400.0);
}

// Town and highway with stops and every gear; the engine warms up and reports the
// overheating only while it lasts; the totals only grow.
TEST_F(DemoDriveTest, DrivesTownAndHighwayWarmsUpReportsTheOverheatingAndCountsItsTotals) {
    int stops = 0, highwaySeconds = 0;
    std::set<char> gears;
    bool moving = false;
    for (int s = 0; s < kSeconds; ++s) {
        SCOPED_TRACE("second " + std::to_string(s));
        moving = moving || drive[s].mph >= 20.0f;
        stops += moving && drive[s].mph == 0.0f;
        moving = moving && drive[s].mph != 0.0f;
        highwaySeconds += drive[s].mph >= 60.0f;
        gears.insert(drive[s].gear);
        if (s >= 5 * 60 && s < 7 * 60) {
            EXPECT_NEAR(drive[s].coolantF, 195.0f, 1.0f) << "warm, held by the thermostat";
        }
        bool due = s >= DemoDrive::kFaultRaisedSecond && s < DemoDrive::kFaultClearedSecond;
        ASSERT_EQ(drive[s].coolantFault, due);
        if (due) {
            EXPECT_GT(drive[s].coolantF, 200.0f);
        }
        if (s > 0) {
            ASSERT_GE(drive[s].miles, drive[s - 1].miles);
            ASSERT_GE(drive[s].gallons, drive[s - 1].gallons);
        }
    }
    EXPECT_EQ(drive.front().mph, 0.0f);
    EXPECT_EQ(drive.back().mph, 0.0f);
    EXPECT_GE(stops, 4);
    EXPECT_GT(highwaySeconds, 3 * 60);
    EXPECT_EQ(gears, std::set<char>({'N', '1', '2', '3', '4', '5', '6', '7', '8', '9'}));
    EXPECT_LE(drive.front().coolantF, 75.0f);
    EXPECT_LT(drive.back().coolantF, 200.0f);
    EXPECT_GT(drive.back().miles - drive.front().miles, 8.0f);
    EXPECT_GT(drive.back().gallons - drive.front().gallons, 1.0f);
    EXPECT_NEAR(drive.back().hours - drive.front().hours, kSeconds / 3600.0, 0.05);
}
