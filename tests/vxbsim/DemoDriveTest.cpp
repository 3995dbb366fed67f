#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/FramedLink.h"
#include "vxbsim/DemoDrive.h"

using namespace vxbsim;
using rovik::kEngineSlot;

namespace {
constexpr std::size_t kHeaderLength = sizeof DemoDrive::kRawLogHeader - 1;
constexpr int kSeconds = DemoDrive::kMinutes * 60;
const rovik::test::RecordedFaults::Fault kCoolantFault = {128, 110, 0xA0, 1, false};
}  // namespace

// The drive is the one committed in data/ and comes out the same every time. Read through the
// program's framing it lasts its minutes (the box's statistics frame closes each second),
// reports the overheating and ends stopped, with the distance and fuel of its later part counted.
TEST(DemoDrive, IsTheCommittedRawLogAndPlaysAsAWholeDrive) {
    const std::string log = DemoDrive::Record();
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
    // Playback takes at most 500 bytes a second.
    double bytesPerSecond = static_cast<double>(log.size() - kHeaderLength) / kSeconds;
    EXPECT_LT(bytesPerSecond, 480.0);
    EXPECT_GT(bytesPerSecond, 400.0);

    rovik::test::FramedLink read(rovik::ConnectionType::Vx100Serial);
    EXPECT_FALSE(read.Feed(start.substr(kHeaderLength)));
    const float startMiles = read.Value(kEngineSlot, 245);
    const float startGallons = read.Value(kEngineSlot, 250);
    EXPECT_FALSE(read.Feed(log.substr(start.size())));
    read.Flush();
    EXPECT_EQ(read.reports, kSeconds);
    EXPECT_NE(std::count(read.Faults().begin(), read.Faults().end(), kCoolantFault), 0);
    EXPECT_EQ(read.Value(kEngineSlot, 84), 0.0f);
    EXPECT_LT(read.Value(kEngineSlot, 110), 200.0f) << "cooled down again";
    EXPECT_GT(read.Value(kEngineSlot, 245) - startMiles, 5.0f);
    EXPECT_GT(read.Value(kEngineSlot, 250) - startGallons, 0.5f);
}
