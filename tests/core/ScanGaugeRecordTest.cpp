#include <gtest/gtest.h>

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/panels/ScanGaugeRecord.h"

using namespace rovik;

namespace {
// A scan gauge's record with a scan count the writer would not make, entries to follow.
ByteWriter UpToCount(std::uint32_t count, std::uint16_t pid) {
    SimpleGaugeRecord head;
    head.kind = PanelKind::kScanGauge;
    head.pid = pid;
    ByteWriter writer;
    head.Write(writer);
    writer.WriteU32(6);
    writer.WriteU32(count);
    return writer;
}

// The record the bytes hold, and how many of them it took.
std::pair<ScanGaugeRecord, std::size_t> Read(const std::vector<std::uint8_t>& bytes) {
    ByteReader reader(bytes);
    reader.Skip(1);
    ScanGaugeRecord gauge;
    EXPECT_TRUE(gauge.Read(reader));
    return {gauge, reader.Position()};
}
}  // namespace

TEST(ScanGaugeRecord, AnOverlongListKeepsNinetyNineAndStillTakesTheRest) {
    ByteWriter writer = UpToCount(150, 84);
    for (int i = 0; i < 150; ++i) {
        if (i % 2 == 0) {
            writer.WriteU8(0xFF);
            writer.WriteU8(7);
        } else {
            writer.WriteU8(static_cast<std::uint8_t>(i));
        }
    }
    auto [gauge, consumed] = Read(writer.Bytes());
    EXPECT_EQ(consumed, writer.Bytes().size());
    ASSERT_EQ(gauge.scanList.size(), 99u);
    EXPECT_EQ(gauge.scanList[0], 263);
    EXPECT_EQ(gauge.scanList[97], 97);
}

TEST(ScanGaugeRecord, AnEmptyListReadsAsThePidOnScreen) {
    EXPECT_EQ(Read(UpToCount(0, 190).Bytes()).first.scanList, std::vector<std::uint16_t>{190});
}

TEST(ScanGaugeRecord, ChosenPidsAreCutToNinetyNineAndNeverEmpty) {
    ScanGaugeRecord gauge;
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
