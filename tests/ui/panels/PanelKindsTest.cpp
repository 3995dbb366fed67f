#include <QFile>

#include "core/FileFormats.h"
#include "core/io/AtomicFile.h"
#include "core/values/PreferredSourceTable.h"
#include "ui/StartedDashboard.h"
#include "ui/app/FilePath.h"
#include "ui/panels/ClockPanel.h"
#include "ui/panels/HistogramPanel.h"
#include "ui/panels/TextPanel.h"
#include "ui/panels/TransmissionPanel.h"

using namespace rovik;
using namespace rovik::test;

namespace {
template <typename Record>
Record At(Record record, PanelRect rect) {
    record.rect = rect;
    return record;
}

TextPanelRecord Saying(const std::string& text, PanelRect rect) {
    TextPanelRecord panel = At(TextPanelRecord(), rect);
    panel.text = text;
    panel.alignment = TextAlignment::Centre;
    return panel;
}

// A dashboard on road speed (0 to 90 MPH) and engine speed (0 to 3000 RPM), at 45 MPH and
// 2400 RPM, with a screen of the given panels.
struct PanelKindsTest : StartedDashboard {
    void StartWith(const std::vector<AnyPanelRecord>& panels) {
        Parameter engine;
        engine.name = "ENGINE SPEED";
        engine.unit = "RPM";
        engine.pid = 190;
        engine.gaugeMaximum = 3000;
        ASSERT_TRUE(ParametersDat::Write("PARAMTRS.DAT", {Parameter(), engine}));
        ASSERT_TRUE(ScreenFile::Write("DEFAULT.SCR", {panels, "", kBlack}));
        Start();
        // Only what the panels say counts, not the missing engine file.
        closer->messages.clear();
        Store(84, 45.0f);
        Store(190, 2400.0f);
    }
    void Store(unsigned pid, float value) {
        Main().State().Values()->Store().StoreValue(kEngineSlot, pid, value);
    }
    void StoreRange(unsigned pid, char letter) {
        const std::uint8_t bytes[] = {static_cast<std::uint8_t>(letter), ' '};
        Main().State().Values()->Store().StoreRawBytes(kTransmissionSlot, pid, bytes, 2);
        Main().State().Values()->Store().MarkUpdated(kTransmissionSlot, pid);
    }
    // The panel as it paints itself now; kept with the folder when the test fails.
    QImage Painted(QWidget& panel, const QString& name) {
        const QImage image = panel.grab().toImage();
        KeepOnFailure(image, name + ".png");
        return image;
    }
    // A panel made apart from the screen, as the window would make it.
    template <typename Kind, typename... Arguments>
    Kind& Made(Arguments&&... arguments) {
        auto* panel = new Kind(Main(), std::forward<Arguments>(arguments)...);
        panel->show();
        return *panel;
    }
};
}  // namespace

TEST_F(PanelKindsTest, AMultibarFillsEachBarToItsValueInTheColoursOfItsPlace) {
    MultibarRecord multibar = At(MultibarRecord(), {0, 0, 160, 160});
    multibar.pids = {84, 190};
    StartWith({multibar});
    // Columns 80 wide over rows 20 high; the bars take the 100 pixels above the three rows.
    const QImage image = Painted(PanelAt(0), "multibar");
    EXPECT_EQ(image.pixelColor(40, 30), Qt::white);
    EXPECT_EQ(image.pixelColor(40, 50), QColor(0, 0, 255)) << "the top of the bar, at 49 of 98";
    EXPECT_EQ(image.pixelColor(40, 75), QColor(192, 192, 255));
    EXPECT_EQ(image.pixelColor(40, 99), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(120, 10), Qt::white);
    EXPECT_EQ(image.pixelColor(120, 21), QColor(0, 255, 0)) << "the top of the bar, at 78 of 98";
    EXPECT_EQ(image.pixelColor(120, 60), QColor(192, 255, 192));
}

TEST_F(PanelKindsTest, AHistogramPlotsANewColumnEveryOtherSecondAndMovesTheOldOnesLeft) {
    StartWith({At(HistogramRecord(), {0, 0, 120, 120})});
    auto& histogram = PanelAt<HistogramPanel>(0);
    // Unselected, so that no frame hides the newest columns.
    histogram.clearFocus();
    // Each pixel of the 60 x 60 picture is two of the panel's; 45 of 90 MPH is row 30.
    histogram.Tick();
    EXPECT_EQ(Painted(histogram, "histogram").pixelColor(119, 61), Qt::white);
    histogram.Tick();
    Store(84, 90.0f);
    histogram.Tick();
    histogram.Tick();
    const QImage image = Painted(histogram, "histogram");
    EXPECT_EQ(image.pixelColor(117, 61), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(117, 59), Qt::white);
    EXPECT_EQ(image.pixelColor(119, 1), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(119, 61), Qt::white);
}

// The clock and the transmission letters draw their text as a text panel draws its own.
TEST_F(PanelKindsTest, TheClockAndTheTransmissionLettersPaintTheirTextLikeATextPanel) {
    StartWith({});
    std::tm fivePastMidnight{};
    fivePastMidnight.tm_min = 5;
    auto& clock = Made<ClockPanel>(At(ClockRecord(), {0, 0, 160, 64}), true,
                                   [fivePastMidnight] { return fivePastMidnight; });
    const QImage painted = Painted(clock, "clock");
    EXPECT_EQ(painted, Painted(Made<TextPanel>(Saying("12:05", {0, 0, 160, 64}), true), "12-05"));
    EXPECT_NE(painted, Painted(Made<TextPanel>(Saying("", {0, 0, 160, 64}), true), "empty"));
    EXPECT_EQ(clock.Reading(), "12:05");

    StoreRange(162, 'D');
    StoreRange(163, '4');
    auto& transmission = Made<TransmissionPanel>(At(TransmissionRecord(), {0, 0, 160, 80}), true);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return transmission.Reading() == "Selected D, Attained 4"; }));
    const QImage halves = Painted(transmission, "transmission");
    EXPECT_EQ(halves.copy(0, 0, 80, 80),
              Painted(Made<TextPanel>(Saying("D", {0, 0, 80, 80}), true), "D"));
    EXPECT_EQ(halves.copy(80, 0, 80, 80),
              Painted(Made<TextPanel>(Saying("4", {0, 0, 80, 80}), true), "4"));
}

// A picture shows a BMP file; a file that cannot be shown leaves the panel its colour, with
// no message, and a path the screen file could not keep is refused.
TEST_F(PanelKindsTest, APictureShowsItsFileOrNothingAndKeepsOnlyAPathTheFileCanHold) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(QColor(10, 120, 200));
    const QString deep = QString(90, 'd') + "/" + QString(90, 'e') + "/" + QString(90, 'f');
    ASSERT_TRUE(QDir(folder.path()).mkpath(deep) && QDir(folder.path()).mkdir("folder.bmp"));
    ASSERT_TRUE(picture.save(File(deep + "/far.bmp")) && picture.save(File("road.bmp")) &&
                picture.save(File("png.bmp"), "PNG"));
    QFile huge(File("huge.bmp"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(CDib::kMostBytes + 1));
    std::vector<AnyPanelRecord> panels;
    for (const char* name : {"png.bmp", "folder.bmp", "huge.bmp", "gone.bmp"}) {
        PictureRecord panel = At(PictureRecord(), {0, 0, 40, 40});
        panel.path = ToPath(File(name));
        panel.background = Rgb(250, 240, 0);
        panels.push_back(panel);
    }
    StartWith(panels);
    for (std::size_t i = 0; i < panels.size(); ++i) {
        EXPECT_EQ(Painted(PanelAt(i), "nothing").pixelColor(20, 20), QColor(250, 240, 0)) << i;
    }
    EXPECT_EQ(closer->messages, QStringList());
    // A new picture asks for its file at once, a right-click asks again.
    closer->fileToChoose = File("road.bmp");
    Main().NewPanel(PictureRecord());
    Settle();
    EXPECT_EQ(Painted(PanelAt(4), "road").pixelColor(80, 80), QColor(10, 120, 200));
    closer->fileToChoose = File(deep + "/far.bmp");
    QTest::mouseClick(&PanelAt(4), Qt::RightButton, {}, QPoint(80, 80));
    Settle();
    EXPECT_EQ(closer->messages.size(), 1);
    // The screen lists its panels top down, the new one first.
    EXPECT_EQ(std::get<PictureRecord>(Main().CurrentScreen().panels.at(0)).path,
              ToPath(File("road.bmp")));
}

// Some of the lists' PIDs are not in the table: those entries show its last parameter.
TEST_F(PanelKindsTest, AScreenOfEveryKindSaysWhatItShowsAndIsSavedAsItWasRead) {
    std::vector<AnyPanelRecord> panels = SampleOtherKinds();
    panels.push_back(SampleGauge<SimpleGaugeRecord>());
    StartWith(panels);
    const QString engine = "ENGINE SPEED, 2400.0 RPM";
    const std::pair<QString, QString> kindAndReading[] = {
        {"Blank Panel", "Blank Panel"},
        {"Multibar", engine + "; " + engine + "; ROAD SPEED, 45.0 MPH"},
        {"Histogram", engine + "; " + engine},
        {"Transmission Indicator", "Transmission Indicator"},
        {"Text", "Fleet 7"},
        {"Picture", "logo.bmp"},
        {"Clock", "^1?[0-9]:[0-5][0-9]$"},
        {"Tire Gauge", "Tire Gauge"},
        {"Message Box", "Message Box"},
        {"Simple Gauge", engine},
    };
    for (std::size_t i = 0; i < std::size(kindAndReading); ++i) {
        Painted(PanelAt(i), "panel");
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&PanelAt(i));
        const auto& [kind, reading] = kindAndReading[i];
        EXPECT_EQ(read->text(QAccessible::Description), kind);
        const QString name = read->text(QAccessible::Name);
        EXPECT_TRUE(kind == "Clock" ? name.contains(QRegularExpression(reading)) : name == reading)
            << name.toStdString();
    }
    Main().SaveScreen();
    // Each panel read takes the focus and so comes on top: the file keeps them top down.
    std::reverse(panels.begin(), panels.end());
    EXPECT_EQ(AtomicFile::Read("DEFAULT.SCR"), ScreenFile::ToBytes({panels, "", kBlack}));
}
