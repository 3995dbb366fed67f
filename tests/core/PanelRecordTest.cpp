#include <gtest/gtest.h>

#include <cmath>

#include "FileFormats.h"
#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

using namespace rovik;
using namespace rovik::test;

// Whole records round-trip and survive a cut in the shared file-format tests; these are the
// layouts' details and what older or damaged records hold.
namespace {
template <class Record>
Bytes Written(const Record& record) {
    ByteWriter writer;
    record.Write(writer);
    return writer.Bytes();
}

// The record the bytes hold after the kind code, and how many of the bytes it took.
template <class Record>
std::pair<Record, std::size_t> ReadBack(const Bytes& bytes) {
    ByteReader reader(bytes);
    reader.Skip(1);
    Record record;
    EXPECT_TRUE(record.Read(reader));
    return {record, reader.Position()};
}

// A scan gauge's record with a scan count the writer would not make, entries to follow.
ByteWriter ScanUpToCount(std::uint32_t count, std::uint16_t pid) {
    SimpleGaugeRecord head;
    head.kind = PanelKind::kScanGauge;
    head.pid = pid;
    ByteWriter writer;
    head.Write(writer);
    writer.WriteU32(6);
    writer.WriteU32(count);
    return writer;
}
}  // namespace

TEST(ScanGaugeRecord, AListIsCutToNinetyNineAndNeverEmpty) {
    ByteWriter writer = ScanUpToCount(150, 84);
    for (int i = 0; i < 150; ++i) {
        if (i % 2 == 0) {
            writer.WriteU8(0xFF);
            writer.WriteU8(7);
        } else {
            writer.WriteU8(static_cast<std::uint8_t>(i));
        }
    }
    auto [gauge, consumed] = ReadBack<ScanGaugeRecord>(writer.Bytes());
    EXPECT_EQ(consumed, writer.Bytes().size()) << "the rest of an overlong list is still taken";
    ASSERT_EQ(gauge.scanList.size(), 99u);
    EXPECT_EQ(gauge.scanList[0], 263);
    EXPECT_EQ(gauge.scanList[97], 97);
    // An empty list reads as the PID on screen.
    const auto empty = ReadBack<ScanGaugeRecord>(ScanUpToCount(0, 190).Bytes()).first;
    EXPECT_EQ(empty.scanList, std::vector<std::uint16_t>{190});

    gauge.SetScanList({});
    EXPECT_EQ(gauge.scanList, std::vector<std::uint16_t>{0});
    std::vector<std::uint16_t> many(150);
    for (std::size_t i = 0; i < many.size(); ++i) {
        many[i] = static_cast<std::uint16_t>(i);
    }
    gauge.SetScanList(many);
    ASSERT_EQ(gauge.scanList.size(), 99u);
    EXPECT_EQ(gauge.scanList.back(), 98);
}

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

TEST(TankMinderRecord, HoldsItsFlagThenItsSizeAndASizeThatIsNoNumberOfGallonsKeepsTheNewTanks) {
    TankMinderRecord tank = SampleTankMinder();
    tank.showFuelRemaining = true;
    const Bytes bytes = Written(tank);
    ASSERT_EQ(bytes.size(), 1u + 20u + 32u + 8u + 1u + 18u);
    EXPECT_EQ(bytes[0], 'A');
    EXPECT_EQ(Bytes(bytes.begin() + 21, bytes.begin() + 29), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
    for (double size : {std::nan(""), -5.0, 0.0, HUGE_VAL}) {
        tank.tankSize = size;
        const TankMinderRecord read = ReadBack<TankMinderRecord>(Written(tank)).first;
        EXPECT_EQ(read.tankSize, TankMinderRecord::kNewTankSize) << size;
        EXPECT_EQ(read.tankFilePath, tank.tankFilePath);
    }
}
