#include <gtest/gtest.h>

#include "FileFormats.h"
#include "core/io/ByteWriter.h"

using namespace rovik;
using namespace rovik::test;

namespace {
const Bytes kTextColorRecord = {0xFD, 0x11, 0x22, 0x33, 0x00};
const ColorRef kTextColor = Rgb(0x11, 0x22, 0x33);

Bytes RecordBytes(const AnyPanelRecord& panel) {
    ByteWriter writer;
    std::visit([&writer](const auto& record) { record.Write(writer); }, panel);
    return writer.Bytes();
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes joined;
    for (const Bytes& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

// A multibar whose list holds PIDs 0, 1, 2... up to count, however many the program keeps.
Bytes MultibarOf(std::uint32_t count) {
    ByteWriter writer;
    static_cast<const PanelRecord&>(MultibarRecord()).Write(writer);
    writer.WriteU32(count);
    for (std::uint32_t pid = 0; pid < count; ++pid) {
        writer.WriteU8(static_cast<std::uint8_t>(pid));
    }
    for (std::uint32_t field : {1, 1, 1, 0}) {
        writer.WriteU32(field);
    }
    return writer.Bytes();
}

HistogramRecord HistogramAt(std::uint32_t rate) {
    HistogramRecord histogram;
    histogram.updateRate = rate;
    return histogram;
}

struct Case {
    std::string what;
    Bytes bytes;
    Screen expected;
};

std::vector<Case> Cases() {
    const SimpleGaugeRecord gauge = SampleGauge<SimpleGaugeRecord>();
    SimpleGaugeRecord pid255 = gauge;
    pid255.pid = 255;
    SimpleGaugeRecord page2 = gauge;
    page2.pid = 511;
    MultibarRecord longList;
    longList.pids.clear();
    for (std::uint16_t pid = 0; pid < 99; ++pid) {
        longList.pids.push_back(pid);
    }
    std::vector<Case> cases = {
        {"text colour alone", kTextColorRecord, {{}, "", kTextColor}},
        {"stray bytes skipped, records in any order",
         Join({kTextColorRecord, {0x20}, RecordBytes(gauge), {0x20, 0x00}}),
         {{gauge}, "", kTextColor}},
        {"PID 255 cannot be stored and reads as page two",
         RecordBytes(pid255),
         {{page2}, "", kBlack}},
        {"a list beyond 99 PIDs keeps the first 99 and the record after it",
         Join({MultibarOf(120), kTextColorRecord}),
         {{longList}, "", kTextColor}},
        {"an empty list shows road speed", MultibarOf(0), {{MultibarRecord()}, "", kBlack}},
        {"update rates the dialog refuses read as the nearest it allows",
         Join({RecordBytes(HistogramAt(0)), RecordBytes(HistogramAt(1000))}),
         {{HistogramAt(1), HistogramAt(60)}, "", kBlack}},
    };
    return cases;
}
}  // namespace

TEST(ScreenFile, ReadsTaggedRecords) {
    for (const Case& c : Cases()) {
        EXPECT_EQ(ScreenFile::FromBytes(c.bytes), c.expected) << c.what;
    }
}

TEST(ScreenFile, WritesAWallpaperRecordOnlyForAWallpaperAndCutsItsPath) {
    Screen screen;
    screen.panels = {PanelRecord()};
    EXPECT_EQ(ScreenFile::ToBytes(screen), Join({RecordBytes(PanelRecord()), {0xFD, 0, 0, 0, 0}}));
    screen.wallpaperPath = std::string(300, 'w');
    screen.panelTextColor = Rgb(9, 9, 9);
    Screen read = ScreenFile::FromBytes(ScreenFile::ToBytes(screen));
    EXPECT_EQ(read.wallpaperPath, std::string(255, 'w'));
    read.wallpaperPath = screen.wallpaperPath;
    EXPECT_EQ(read, screen);
}
