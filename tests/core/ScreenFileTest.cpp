#include <gtest/gtest.h>

#include "FileFormats.h"
#include "TempFolder.h"
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
    std::vector<Case> cases = {
        {"text colour alone", kTextColorRecord, {{}, "", kTextColor}},
        {"stray bytes skipped, records in any order",
         Join({kTextColorRecord, {0x20}, RecordBytes(gauge), {0x20, 0x00}}),
         {{gauge}, "", kTextColor}},
        {"later wallpaper and colour win",
         {0xFE, 3,   'a', '.', 'b', 0xFD, 1,    0, 0, 0, 0xFE,
          5,    'c', 'd', '.', 'e', 'f',  0xFD, 2, 0, 0, 0},
         {{}, "cd.ef", 2}},
        {"PID 255 cannot be stored and reads as page two",
         RecordBytes(pid255),
         {{page2}, "", kBlack}},
    };
    // Their record lengths are unknown, so nothing after them can be found.
    for (char kind : std::string("456789B")) {
        cases.push_back({std::string("kind ") + kind + " stops reading",
                         Join({RecordBytes(gauge),
                               {static_cast<std::uint8_t>(kind)},
                               kTextColorRecord,
                               RecordBytes(PanelRecord())}),
                         {{gauge}, "", kBlack}});
    }
    return cases;
}
}  // namespace

TEST(ScreenFile, AMissingFileCannotBeRead) {
    TempFolder folder;
    EXPECT_FALSE(ScreenFile::Read(folder.File("DEFAULT.SCR")));
}

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
