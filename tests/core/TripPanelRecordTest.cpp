#include <gtest/gtest.h>

#include <cmath>

#include "TempFolder.h"
#include "core/app/ScreenFile.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/panels/OdometerRecord.h"
#include "core/panels/ReadoutLayout.h"
#include "core/panels/TankMinderRecord.h"

using namespace rovik;

namespace {
using Bytes = std::vector<std::uint8_t>;

OdometerRecord SampleOdometer() {
    OdometerRecord odometer;
    odometer.rect = {8, 16, 208, 216};
    odometer.background = Rgb(1, 2, 3);
    odometer.showFuelUsed = false;
    odometer.locked = true;
    odometer.showMpg = false;
    odometer.alignment = TextAlignment::Right;
    odometer.horizontal = true;
    odometer.tripFilePath = "Odo73533436000.trp";
    return odometer;
}

TankMinderRecord SampleTankMinder() {
    TankMinderRecord tank;
    tank.rect = {240, 0, 400, 160};
    tank.showDistance = false;
    tank.useRecentMpg = false;
    tank.showUnits = false;
    tank.alignment = TextAlignment::Centre;
    tank.tankSize = 150.5;
    tank.tankFilePath = "Tnk73533436000.trp";
    return tank;
}

Bytes Written(const OdometerRecord& odometer) {
    ByteWriter writer;
    odometer.Write(writer);
    return writer.Bytes();
}

// The same record as an older program wrote it, with a one-byte path length.
Bytes WithOneBytePathLength(const OdometerRecord& odometer) {
    Bytes bytes = Written(odometer);
    const std::size_t lengthAt = bytes.size() - odometer.tripFilePath.size() - 4;
    bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(lengthAt) + 1,
                bytes.begin() + static_cast<std::ptrdiff_t>(lengthAt) + 4);
    return bytes;
}

OdometerRecord ReadOdometer(const Bytes& bytes, std::size_t& consumed) {
    ByteReader reader(bytes);
    std::uint8_t kind = 0;
    reader.ReadU8(kind);
    OdometerRecord odometer;
    odometer.Read(reader);
    consumed = reader.Position();
    return odometer;
}
}  // namespace

TEST(OdometerRecord, HoldsItsFieldsInTheirOrderWithAFourByteLength) {
    const Bytes bytes = Written(SampleOdometer());
    ASSERT_EQ(bytes.size(), 1u + 20u + 40u + 18u);
    EXPECT_EQ(bytes[0], '3');
    // Flags: Show Fuel Used clear, Locked set.
    EXPECT_EQ(Bytes(bytes.begin() + 21, bytes.begin() + 25), (Bytes{2, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 57, bytes.begin() + 61), (Bytes{18, 0, 0, 0}));
    std::size_t consumed = 0;
    EXPECT_EQ(ReadOdometer(bytes, consumed), SampleOdometer());
    EXPECT_EQ(consumed, bytes.size());
}

TEST(OdometerRecord, AnOlderRecordWithAOneByteLengthIsStillRead) {
    for (const std::string& path :
         {std::string("Odo73533436000.trp"), std::string("ab"), std::string()}) {
        OdometerRecord old = SampleOdometer();
        old.tripFilePath = path;
        Bytes bytes = WithOneBytePathLength(old);
        const std::size_t recordSize = bytes.size();
        std::size_t consumed = 0;
        // At the very end of the file, with fewer than four bytes after the length.
        EXPECT_EQ(ReadOdometer(bytes, consumed), old) << path;
        EXPECT_EQ(consumed, recordSize);
        // Followed by the screen file's text colour.
        bytes.insert(bytes.end(), {0xFD, 0, 0, 0, 0});
        EXPECT_EQ(ReadOdometer(bytes, consumed), old) << path;
        EXPECT_EQ(consumed, recordSize);
    }
}

TEST(OdometerRecord, APathTooLongForTheRecordIsCutRatherThanMisread) {
    OdometerRecord odometer = SampleOdometer();
    odometer.tripFilePath = std::string(300, 'x');
    std::size_t consumed = 0;
    EXPECT_EQ(ReadOdometer(Written(odometer), consumed).tripFilePath, std::string(255, 'x'));
}

TEST(TankMinderRecord, RoundTripsWithItsDoubleAndShortString) {
    ByteWriter writer;
    SampleTankMinder().Write(writer);
    const Bytes& bytes = writer.Bytes();
    ASSERT_EQ(bytes.size(), 1u + 20u + 32u + 8u + 1u + 18u);
    EXPECT_EQ(bytes[0], 'A');
    // Show Fuel Remaining first, then Show Distance.
    EXPECT_EQ(Bytes(bytes.begin() + 21, bytes.begin() + 29), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
    ByteReader reader(bytes);
    reader.Skip(1);
    TankMinderRecord read;
    EXPECT_TRUE(read.Read(reader));
    EXPECT_EQ(read, SampleTankMinder());
}

TEST(TankMinderRecord, ASizeThatIsNoNumberOfGallonsKeepsTheNewTanks) {
    for (double size : {std::nan(""), -5.0, 0.0, HUGE_VAL}) {
        TankMinderRecord tank = SampleTankMinder();
        tank.tankSize = size;
        ByteWriter writer;
        tank.Write(writer);
        ByteReader reader(writer.Bytes());
        reader.Skip(1);
        TankMinderRecord read;
        EXPECT_TRUE(read.Read(reader));
        EXPECT_EQ(read.tankSize, TankMinderRecord::kNewTankSize);
        EXPECT_EQ(read.tankFilePath, tank.tankFilePath);
    }
}

TEST(TankMinderRecord, ACutRecordKeepsTheDefaultsOfANewTankMinder) {
    ByteWriter writer;
    SampleTankMinder().Write(writer);
    Bytes cut(writer.Bytes().begin(), writer.Bytes().begin() + 1 + 20 + 32 + 4);
    ByteReader reader(cut);
    reader.Skip(1);
    TankMinderRecord read;
    EXPECT_FALSE(read.Read(reader));
    EXPECT_FALSE(read.useRecentMpg);
    EXPECT_EQ(read.tankSize, TankMinderRecord::kNewTankSize);
    EXPECT_EQ(read.tankFilePath, "");
}

TEST(ScreenFile, ReadsAndWritesOdometersAndTankMinders) {
    TempFolder folder;
    Screen screen;
    screen.panels = {SampleTankMinder(), SampleOdometer(), SampleTankMinder()};
    screen.panelTextColor = Rgb(0, 0, 255);
    ASSERT_TRUE(ScreenFile::Write(folder.File("TRIP.SCR"), screen));
    EXPECT_EQ(ScreenFile::Read(folder.File("TRIP.SCR")), screen);

    // An older program's odometer in the middle of a screen.
    ByteWriter tank;
    SampleTankMinder().Write(tank);
    Bytes bytes = WithOneBytePathLength(SampleOdometer());
    bytes.insert(bytes.end(), tank.Bytes().begin(), tank.Bytes().end());
    bytes.insert(bytes.end(), {0xFD, 0, 0, 255, 0});
    ASSERT_TRUE(AtomicFile::Write(folder.File("OLD.SCR"), bytes));
    Screen old;
    old.panels = {SampleOdometer(), SampleTankMinder()};
    old.panelTextColor = Rgb(0, 0, 255);
    EXPECT_EQ(ScreenFile::Read(folder.File("OLD.SCR")), old);
}

// The panels' rendering tests draw both layouts with captions and units; these are the
// layouts without them, and the rounding of uneven sizes.
TEST(ReadoutLayout, StacksRowsWithTheValueLeftAndCaptionAndUnitRight) {
    ReadoutRecord look;
    std::vector<ReadoutLayout::Cells> cells = ReadoutLayout::For({0, 0, 200, 203}, 5, look);
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[4].value, (PanelRect{0, 160, 127, 200}));

    look.showCaptions = false;
    look.showUnits = false;
    cells = ReadoutLayout::For({0, 0, 200, 100}, 2, look);
    EXPECT_EQ(cells[1].value, (PanelRect{0, 50, 195, 100}));
    EXPECT_TRUE(cells[1].caption.IsEmpty());
    EXPECT_TRUE(cells[1].unit.IsEmpty());
    EXPECT_TRUE(ReadoutLayout::For({0, 0, 200, 100}, 0, look).empty());
}

TEST(ReadoutLayout, PutsColumnsSideBySideWithCaptionOnTopAndUnitBelow) {
    ReadoutRecord look;
    look.horizontal = true;
    std::vector<ReadoutLayout::Cells> cells = ReadoutLayout::For({0, 0, 301, 120}, 3, look);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[2].unit, (PanelRect{200, 90, 300, 120}));

    look.showUnits = false;
    cells = ReadoutLayout::For({0, 0, 300, 120}, 3, look);
    EXPECT_EQ(cells[0].caption, (PanelRect{0, 0, 100, 40}));
    EXPECT_EQ(cells[0].value, (PanelRect{0, 40, 100, 120}));
    EXPECT_TRUE(cells[0].unit.IsEmpty());
}
