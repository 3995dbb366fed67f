#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "Decode.h"
#include "vxbsim/DemoDrive.h"

using namespace vxbsim;

namespace {
constexpr std::size_t kHeaderLength = 9;
constexpr int kSeconds = DemoDrive::kMinutes * 60;

// What the program would show in one second of the drive: the last value of each item.
struct Second {
    double mph = 0.0;
    char gear = '?';
    double coolantF = 0.0;
    bool coolantFault = false;
    double miles = 0.0;
    double gallons = 0.0;
};

void Read(Second& second, const decode::Bytes& frame) {
    for (const auto& [pid, data] : decode::Items(frame)) {
        double value = decode::LittleEndian(data);
        if (frame[0] == 128 && pid == 84) {
            second.mph = value * 0.5;
        } else if (frame[0] == 128 && pid == 110) {
            second.coolantF = value;
        } else if (frame[0] == 128 && pid == 194) {
            second.coolantFault |= data == decode::Bytes({110, 0xA0, 1});
        } else if (frame[0] == 128 && pid == 245) {
            second.miles = value * 0.1;
        } else if (frame[0] == 128 && pid == 250) {
            second.gallons = value * 0.125;
        } else if (frame[0] == 130 && pid == 163) {
            second.gear = static_cast<char>(data.at(0));
        }
    }
}

// The drive second by second; the box's statistics frame closes each second.
std::vector<Second> Seconds(const std::string& log) {
    std::vector<Second> seconds(1);
    for (const decode::Bytes& frame : decode::BinaryFrames(log.substr(kHeaderLength))) {
        EXPECT_EQ(decode::Sum(frame), 0);
        EXPECT_LE(frame.size(), 21u);
        if (frame[0] == 196) {
            seconds.push_back(seconds.back());
            seconds.back().coolantFault = false;
        } else {
            Read(seconds.back(), frame);
        }
    }
    seconds.pop_back();
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

TEST_F(DemoDriveTest, RecordsTheSameBytesEveryTimeAndShorterDrivesAreItsStart) {
    EXPECT_TRUE(DemoDrive::Record() == log);
    std::string start = DemoDrive::Record(3);
    EXPECT_GT(start.size(), 3 * 60 * 400u);
    EXPECT_TRUE(log.compare(0, start.size(), start) == 0);
}

TEST_F(DemoDriveTest, CommittedRecordingIsWhatTheRecorderMakes) {
    std::ifstream file(ROVIK_SOURCE_DIR "/data/demo-drive.rvk", std::ios::binary);
    ASSERT_TRUE(file) << "data/demo-drive.rvk is missing";
    std::string committed{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(committed.size(), log.size());
    EXPECT_TRUE(committed == log) << "run scripts/make-demo-drive.sh";
}

TEST_F(DemoDriveTest, IsARawLogOfBinaryFramesThatReplaysAtAboutItsOwnPace) {
    EXPECT_EQ(log.substr(0, kHeaderLength), std::string("Raw Log\r\n"));
    EXPECT_EQ(log.at(kHeaderLength), '\x80') << "the first frame follows the header at once";
    EXPECT_EQ(drive.size(), static_cast<std::size_t>(kSeconds));
    // Playback takes at most 500 bytes a second.
    double bytesPerSecond = static_cast<double>(log.size() - kHeaderLength) / kSeconds;
    EXPECT_LT(bytesPerSecond, 480.0);
    EXPECT_GT(bytesPerSecond, 400.0);
}

TEST_F(DemoDriveTest, DrivesTownAndHighwayWithStopsAndGearChanges) {
    int stops = 0, highwaySeconds = 0, upshifts = 0, downshifts = 0;
    std::set<char> gears;
    bool moving = false;
    for (std::size_t s = 1; s < drive.size(); ++s) {
        moving = moving || drive[s].mph >= 20.0;
        if (moving && drive[s].mph == 0.0) {
            ++stops;
            moving = false;
        }
        highwaySeconds += drive[s].mph >= 60.0;
        char before = drive[s - 1].gear == 'N' ? '0' : drive[s - 1].gear;
        char now = drive[s].gear == 'N' ? '0' : drive[s].gear;
        upshifts += now > before;
        downshifts += now < before;
        gears.insert(drive[s].gear);
    }
    EXPECT_EQ(drive.front().mph, 0.0);
    EXPECT_EQ(drive.back().mph, 0.0);
    EXPECT_GE(stops, 4);
    EXPECT_GT(highwaySeconds, 3 * 60);
    EXPECT_GE(upshifts, 15);
    EXPECT_GE(downshifts, 15);
    EXPECT_EQ(gears.size(), 10u) << "neutral and all nine gears";
}

TEST_F(DemoDriveTest, StartsColdWarmsUpAndReportsTheOverheatingOnlyWhileItLasts) {
    EXPECT_LE(drive.front().coolantF, 75.0);
    EXPECT_GE(drive[5 * 60].coolantF, 190.0);
    for (int s = 0; s < kSeconds; ++s) {
        bool due = s >= DemoDrive::kFaultRaisedSecond && s < DemoDrive::kFaultClearedSecond;
        ASSERT_EQ(drive[s].coolantFault, due) << "second " << s;
        if (due) {
            EXPECT_GT(drive[s].coolantF, 200.0) << "second " << s;
        }
    }
    EXPECT_LT(drive.back().coolantF, 200.0);
}

TEST_F(DemoDriveTest, DistanceAndFuelTotalsRise) {
    for (std::size_t s = 1; s < drive.size(); ++s) {
        ASSERT_GE(drive[s].miles, drive[s - 1].miles);
        ASSERT_GE(drive[s].gallons, drive[s - 1].gallons);
    }
    EXPECT_GT(drive.back().miles - drive.front().miles, 8.0);
    EXPECT_GT(drive.back().gallons - drive.front().gallons, 1.0);
}
