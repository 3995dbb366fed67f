#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "TempFolder.h"
#include "core/app/ScreenFile.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"

using namespace rovik;

namespace {
using Bytes = std::vector<std::uint8_t>;

const Bytes kTextColorRecord = {0xFD, 0x11, 0x22, 0x33, 0x00};

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

SimpleGaugeRecord SampleSimpleGauge() {
    SimpleGaugeRecord gauge;
    gauge.rect = {8, 16, 168, 96};
    gauge.background = Rgb(10, 20, 30);
    gauge.pid = 300;
    gauge.showWarningLamp = true;
    gauge.showGaugeName = false;
    gauge.useAbbreviation = true;
    gauge.alignment = TextAlignment::Right;
    return gauge;
}

ScanGaugeRecord SampleScanGauge() {
    ScanGaugeRecord gauge;
    gauge.rect = {200, 0, 360, 160};
    gauge.background = Rgb(0, 0, 255);
    gauge.pid = 110;
    gauge.showUnit = false;
    gauge.alignment = TextAlignment::Centre;
    gauge.dwell = 10;
    gauge.scanList = {110, 0, 254, 256, 511};
    return gauge;
}

// A scan gauge's record as far as its scan count, for lists the writer would not make.
ByteWriter ScanGaugeUpToCount(std::uint32_t count, std::uint16_t pid = 84) {
    SimpleGaugeRecord head;
    head.kind = PanelKind::kScanGauge;
    head.pid = pid;
    ByteWriter writer;
    head.Write(writer);
    writer.WriteU32(6);
    writer.WriteU32(count);
    return writer;
}

class ScreenFileTest : public ::testing::Test {
protected:
    std::optional<Screen> ReadBytes(const Bytes& bytes) {
        EXPECT_TRUE(AtomicFile::Write(path, bytes));
        return ScreenFile::Read(path);
    }

    TempFolder folder;
    std::string path = folder.File("DEFAULT.SCR");
};
}  // namespace

TEST_F(ScreenFileTest, MissingFileCannotBeRead) {
    EXPECT_FALSE(ScreenFile::Read(path));
}

TEST_F(ScreenFileTest, TextColorAloneGivesAnEmptyScreenInThatColor) {
    auto screen = ReadBytes(kTextColorRecord);
    ASSERT_TRUE(screen);
    EXPECT_TRUE(screen->panels.empty());
    EXPECT_TRUE(screen->wallpaperPath.empty());
    EXPECT_EQ(screen->panelTextColor, Rgb(0x11, 0x22, 0x33));
}

TEST_F(ScreenFileTest, RecordsReadInAnyOrderWithStrayBytesSkipped) {
    Bytes gauge = RecordBytes(SampleSimpleGauge());
    auto colorLast = ReadBytes(Join({gauge, kTextColorRecord}));
    auto colorFirst = ReadBytes(Join({kTextColorRecord, {0x20}, gauge, {0x20, 0x00}}));
    ASSERT_TRUE(colorLast && colorFirst);
    EXPECT_EQ(*colorFirst, *colorLast);
    ASSERT_EQ(colorFirst->panels.size(), 1u);
    EXPECT_EQ(std::get<SimpleGaugeRecord>(colorFirst->panels[0]), SampleSimpleGauge());
}

TEST_F(ScreenFileTest, LaterTextColorAndWallpaperWin) {
    Bytes first = {0xFE, 3, 'a', '.', 'b', 0xFD, 1, 0, 0, 0};
    Bytes second = {0xFE, 5, 'c', 'd', '.', 'e', 'f', 0xFD, 2, 0, 0, 0};
    auto screen = ReadBytes(Join({first, second}));
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->wallpaperPath, "cd.ef");
    EXPECT_EQ(screen->panelTextColor, 2u);
}

TEST_F(ScreenFileTest, SavedScreenReadsBackTheSame) {
    Screen screen;
    PanelRecord blank;
    blank.rect = {0, 0, 40, 40};
    screen.panels = {SampleScanGauge(), blank, SampleSimpleGauge(), ScanGaugeRecord()};
    screen.wallpaperPath = "/home/driver/road.bmp";
    screen.panelTextColor = Rgb(1, 2, 3);
    ASSERT_TRUE(ScreenFile::Write(path, screen));
    EXPECT_EQ(ScreenFile::Read(path), screen);
}

TEST_F(ScreenFileTest, NoWallpaperRecordWithoutAWallpaper) {
    Screen screen;
    screen.panels = {PanelRecord()};
    ASSERT_TRUE(ScreenFile::Write(path, screen));
    auto bytes = AtomicFile::Read(path);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, Join({RecordBytes(PanelRecord()), {0xFD, 0, 0, 0, 0}}));
}

TEST_F(ScreenFileTest, LongWallpaperPathIsCutAndTheFileStaysReadable) {
    Screen screen;
    screen.wallpaperPath = std::string(300, 'w');
    screen.panelTextColor = Rgb(9, 9, 9);
    ASSERT_TRUE(ScreenFile::Write(path, screen));
    auto read = ScreenFile::Read(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->wallpaperPath, std::string(255, 'w'));
    EXPECT_EQ(read->panelTextColor, Rgb(9, 9, 9));
}

TEST_F(ScreenFileTest, PidTwoFiftyFiveIsStoredAsPageTwo) {
    SimpleGaugeRecord gauge;
    gauge.pid = 255;
    auto screen = ReadBytes(Join({RecordBytes(gauge), kTextColorRecord}));
    ASSERT_TRUE(screen);
    EXPECT_EQ(std::get<SimpleGaugeRecord>(screen->panels[0]).pid, 511);
    EXPECT_EQ(screen->panelTextColor, Rgb(0x11, 0x22, 0x33));
}

// Every field of a cut record is either what the whole file holds or a new gauge's default.
TEST_F(ScreenFileTest, FileCutAnywhereKeepsDefaultsForWhatWasNotRead) {
    const SimpleGaugeRecord simple = SampleSimpleGauge();
    const ScanGaugeRecord scan = SampleScanGauge();
    const Bytes whole = Join({RecordBytes(simple), RecordBytes(scan), kTextColorRecord});
    const ScanGaugeRecord fresh;
    auto fieldOk = [](const auto& got, const auto& full, const auto& fresh) {
        return got == full || got == fresh;
    };
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        auto screen = ReadBytes(Bytes(whole.begin(), whole.begin() + length));
        ASSERT_TRUE(screen);
        EXPECT_EQ(screen->panelTextColor, kBlack);
        ASSERT_LE(screen->panels.size(), 2u);
        if (screen->panels.size() == 2) {
            EXPECT_EQ(std::get<SimpleGaugeRecord>(screen->panels[0]), simple);
            const auto& got = std::get<ScanGaugeRecord>(screen->panels[1]);
            EXPECT_TRUE(fieldOk(got.rect, scan.rect, fresh.rect));
            EXPECT_TRUE(fieldOk(got.background, scan.background, fresh.background));
            EXPECT_TRUE(fieldOk(got.pid, scan.pid, fresh.pid));
            EXPECT_TRUE(fieldOk(got.alignment, scan.alignment, fresh.alignment));
            EXPECT_TRUE(fieldOk(got.dwell, scan.dwell, fresh.dwell));
            EXPECT_TRUE(fieldOk(got.scanList, scan.scanList, fresh.scanList));
        } else if (screen->panels.size() == 1) {
            const auto& got = std::get<SimpleGaugeRecord>(screen->panels[0]);
            EXPECT_TRUE(fieldOk(got.rect, simple.rect, fresh.rect));
            EXPECT_TRUE(fieldOk(got.pid, simple.pid, fresh.pid));
            EXPECT_TRUE(fieldOk(got.showWarningLamp, simple.showWarningLamp, false));
            EXPECT_TRUE(fieldOk(got.alignment, simple.alignment, fresh.alignment));
        }
    }
}

TEST_F(ScreenFileTest, OverlongScanListKeepsNinetyNineAndFindsTheNextRecord) {
    ByteWriter writer = ScanGaugeUpToCount(150);
    for (int i = 0; i < 150; ++i) {
        if (i % 2 == 0) {
            writer.WriteU8(0xFF);
            writer.WriteU8(7);
        } else {
            writer.WriteU8(static_cast<std::uint8_t>(i));
        }
    }
    auto screen = ReadBytes(Join({writer.Bytes(), kTextColorRecord}));
    ASSERT_TRUE(screen);
    ASSERT_EQ(screen->panels.size(), 1u);
    const auto& read = std::get<ScanGaugeRecord>(screen->panels[0]);
    ASSERT_EQ(read.scanList.size(), 99u);
    EXPECT_EQ(read.scanList[0], 263);
    EXPECT_EQ(read.scanList[97], 97);
    EXPECT_EQ(screen->panelTextColor, Rgb(0x11, 0x22, 0x33));
}

TEST_F(ScreenFileTest, EmptyScanListReadsAsThePidOnScreen) {
    auto screen = ReadBytes(ScanGaugeUpToCount(0, 190).Bytes());
    ASSERT_TRUE(screen);
    EXPECT_EQ(std::get<ScanGaugeRecord>(screen->panels[0]).scanList,
              std::vector<std::uint16_t>{190});
}

TEST_F(ScreenFileTest, KindsNotReadableYetStopReadingAndKeepWhatCameBefore) {
    Bytes gauge = RecordBytes(SampleSimpleGauge());
    for (char kind : std::string("456789BC")) {
        SCOPED_TRACE(kind);
        auto screen = ReadBytes(Join({gauge,
                                      {static_cast<std::uint8_t>(kind)},
                                      kTextColorRecord,
                                      RecordBytes(PanelRecord())}));
        ASSERT_TRUE(screen);
        ASSERT_EQ(screen->panels.size(), 1u);
        EXPECT_EQ(std::get<SimpleGaugeRecord>(screen->panels[0]), SampleSimpleGauge());
        EXPECT_EQ(screen->panelTextColor, kBlack);
    }
}

// A file-size limit makes the write fail part way, as a full disk would, even for root.
TEST_F(ScreenFileTest, FailedSaveLeavesTheOldFileWhole) {
    Screen old;
    old.panelTextColor = Rgb(4, 5, 6);
    ASSERT_TRUE(ScreenFile::Write(path, old));
    Screen bigger;
    bigger.panels.assign(20, AnyPanelRecord(SampleScanGauge()));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = ScreenFile::Write(path, bigger);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ScreenFile::Read(path), old);
}
