#include <gtest/gtest.h>

#include "RecordBytes.h"

using namespace rovik;
using namespace rovik::test;

TEST(OdometerRecord, HoldsItsFlagsInOneWordAndThePathWithAFourByteLength) {
    const Bytes bytes = Written(SampleOdometer());
    ASSERT_EQ(bytes.size(), 1u + 20u + 40u + 18u);
    EXPECT_EQ(bytes[0], '3');
    // Show Fuel Used clear, Locked set.
    EXPECT_EQ(Bytes(bytes.begin() + 21, bytes.begin() + 25), (Bytes{2, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 57, bytes.begin() + 61), (Bytes{18, 0, 0, 0}));
    OdometerRecord odometer = SampleOdometer();
    odometer.tripFilePath = std::string(300, 'x');
    EXPECT_EQ(ReadBack<OdometerRecord>(Written(odometer)).first.tripFilePath,
              std::string(255, 'x'));
}

TEST(OdometerRecord, AnOlderRecordWithAOneByteLengthIsStillRead) {
    for (const std::string& path :
         {std::string("Odo73533436000.trp"), std::string("ab"), std::string()}) {
        OdometerRecord old = SampleOdometer();
        old.tripFilePath = path;
        Bytes bytes = Written(old);
        const auto lengthAt = static_cast<std::ptrdiff_t>(bytes.size() - path.size() - 4);
        bytes.erase(bytes.begin() + lengthAt + 1, bytes.begin() + lengthAt + 4);
        const std::size_t recordSize = bytes.size();
        // At the very end of the file, with fewer than four bytes after the length.
        EXPECT_EQ(ReadBack<OdometerRecord>(bytes), std::pair(old, recordSize)) << path;
        // Followed by the screen file's text colour.
        bytes.insert(bytes.end(), {0xFD, 0, 0, 0, 0});
        EXPECT_EQ(ReadBack<OdometerRecord>(bytes), std::pair(old, recordSize)) << path;
    }
}
