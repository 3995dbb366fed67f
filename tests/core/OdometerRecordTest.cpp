#include <gtest/gtest.h>

#include "FileFormats.h"
#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

using namespace rovik;
using namespace rovik::test;

namespace {
Bytes Written(const OdometerRecord& odometer) {
    ByteWriter writer;
    odometer.Write(writer);
    return writer.Bytes();
}

// The same record as an older program wrote it, with a one-byte path length.
Bytes WithOneBytePathLength(const OdometerRecord& odometer) {
    Bytes bytes = Written(odometer);
    const auto lengthAt =
        static_cast<std::ptrdiff_t>(bytes.size() - odometer.tripFilePath.size() - 4);
    bytes.erase(bytes.begin() + lengthAt + 1, bytes.begin() + lengthAt + 4);
    return bytes;
}

// The record the bytes hold, and how many of them it took.
std::pair<OdometerRecord, std::size_t> Read(const Bytes& bytes) {
    ByteReader reader(bytes);
    reader.Skip(1);
    OdometerRecord odometer;
    odometer.Read(reader);
    return {odometer, reader.Position()};
}
}  // namespace

TEST(OdometerRecord, HoldsItsFlagsInOneWordAndThePathWithAFourByteLength) {
    const Bytes bytes = Written(SampleOdometer());
    ASSERT_EQ(bytes.size(), 1u + 20u + 40u + 18u);
    EXPECT_EQ(bytes[0], '3');
    // Show Fuel Used clear, Locked set.
    EXPECT_EQ(Bytes(bytes.begin() + 21, bytes.begin() + 25), (Bytes{2, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 57, bytes.begin() + 61), (Bytes{18, 0, 0, 0}));
}

TEST(OdometerRecord, AnOlderRecordWithAOneByteLengthIsStillRead) {
    for (const std::string& path :
         {std::string("Odo73533436000.trp"), std::string("ab"), std::string()}) {
        OdometerRecord old = SampleOdometer();
        old.tripFilePath = path;
        Bytes bytes = WithOneBytePathLength(old);
        const std::size_t recordSize = bytes.size();
        // At the very end of the file, with fewer than four bytes after the length.
        EXPECT_EQ(Read(bytes), std::pair(old, recordSize)) << path;
        // Followed by the screen file's text colour.
        bytes.insert(bytes.end(), {0xFD, 0, 0, 0, 0});
        EXPECT_EQ(Read(bytes), std::pair(old, recordSize)) << path;
    }
}

TEST(OdometerRecord, APathTooLongForTheRecordIsCutRatherThanMisread) {
    OdometerRecord odometer = SampleOdometer();
    odometer.tripFilePath = std::string(300, 'x');
    EXPECT_EQ(Read(Written(odometer)).first.tripFilePath, std::string(255, 'x'));
}
