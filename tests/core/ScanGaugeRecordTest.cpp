#include <gtest/gtest.h>

#include "RecordBytes.h"

using namespace rovik;
using namespace rovik::test;

namespace {
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
}
