#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "ModalAnswer.h"
#include "ModalCloser.h"
#include "TextCapture.h"
#include "core/app/CommandLine.h"
#include "core/app/ScreenFile.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/trip/TankFile.h"
#include "core/trip/TripFile.h"
#include "core/trip/TripHistory.h"
#include "core/values/PreferredSourceTable.h"
#include "ui/app/CMainFrame.h"
#include "ui/panels/OdometerPanel.h"
#include "ui/panels/TankMinderPanel.h"

using namespace rovik;
using rovik::test::AnswerNext;
using rovik::test::ModalCloser;
using rovik::test::TextCapture;

namespace {
int argc = 1;
char name[] = "rovik";
char* argv[] = {name, nullptr};

// The vehicle's totals: 123.4 miles, 2.999 hours and 15.2 gallons past the trip's start.
const Totals kNow{1123.4, 102.999, 515.2};
const Totals kTripStart{1000.0, 100.0, 500.0};
// 35.2 gallons and 223.4 miles since the fill.
const FillBaseline kFill{480.0, 900.0};

struct Expected {
    QString text;
    QRect cell;
};

OdometerRecord Odometer(PanelRect rect, bool horizontal, bool locked = false) {
    OdometerRecord odometer;
    odometer.rect = rect;
    odometer.horizontal = horizontal;
    odometer.locked = locked;
    odometer.tripFilePath = "Trip.trp";
    return odometer;
}

TankMinderRecord TankMinder(PanelRect rect, bool horizontal) {
    TankMinderRecord tank;
    tank.rect = rect;
    tank.horizontal = horizontal;
    tank.useRecentMpg = false;
    tank.tankFilePath = "Tank.trp";
    return tank;
}

std::string Text(const std::string& path) {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "(missing)";
}

// A dashboard started in a fresh folder on a screen of the given panels, with the vehicle's
// totals and the panels' files as a previous run left them.
struct TripPanelTest : ::testing::Test {
    TripPanelTest() : frame("/RovikTripPanelTest-" + std::to_string(::getpid())) {
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    ~TripPanelTest() override {
        frame.close();
        QDir::setCurrent(previous);
    }

    void Start(std::vector<AnyPanelRecord> panels) {
        ByteWriter totals;
        for (double total : {kNow.distance, kNow.engineHours, kNow.fuelUsed}) {
            totals.WriteDouble(total);
        }
        ASSERT_TRUE(AtomicFile::Write("ODOMETER.DAT", totals.Bytes()));
        ASSERT_TRUE(TripFile::Write("Trip.trp", kTripStart));
        ASSERT_TRUE(TripHistory::Create("Trip.trp.TXT"));
        ASSERT_TRUE(TankFile::Write("Tank.trp", kFill));
        Screen screen;
        screen.panels = std::move(panels);
        ASSERT_TRUE(ScreenFile::Write("DEFAULT.SCR", screen));
        frame.resize(800, 600);
        closer.emplace();
        frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        Settle();
        closer.reset();
    }
    static void Settle() {
        for (int i = 0; i < 20; ++i) {
            QApplication::processEvents();
            ::usleep(2000);
        }
    }
    template <typename Kind>
    Kind& PanelAt(std::size_t index) {
        return *dynamic_cast<Kind*>(frame.Main().Panels().at(index));
    }
    static std::vector<QString> Values(const ReadoutPanel& panel) {
        std::vector<QString> values;
        for (const ReadoutText::Field& field : panel.Fields()) {
            values.push_back(QString::fromStdString(field.value));
        }
        return values;
    }
    static void ExpectPainted(QWidget& panel, const std::vector<Expected>& expected) {
        TextCapture capture(panel.width(), panel.height());
        panel.render(&capture);
        const std::vector<TextCapture::Text>& painted = capture.Texts();
        ASSERT_EQ(painted.size(), expected.size());
        for (std::size_t i = 0; i < painted.size(); ++i) {
            SCOPED_TRACE(expected[i].text.toStdString());
            EXPECT_EQ(painted[i].text, expected[i].text);
            const QRectF cell(expected[i].cell);
            EXPECT_GE(painted[i].at.x(), cell.left());
            EXPECT_LT(painted[i].at.x(), cell.right());
            EXPECT_GT(painted[i].at.y(), cell.top());
            EXPECT_LE(painted[i].at.y(), cell.bottom() + 1);
        }
    }
    void DoubleClick(QWidget& panel) {
        QTest::mouseDClick(&panel, Qt::LeftButton, {}, QPoint(40, 40));
        Settle();
    }

    QApplication app{argc, argv};
    QTemporaryDir folder;
    QString previous;
    CMainFrame frame;
    std::optional<ModalCloser> closer;
};
}  // namespace

TEST_F(TripPanelTest, BothPanelsPaintTheirNumbersInBothLayouts) {
    Start({Odometer({0, 0, 200, 200}, false), TankMinder({208, 0, 508, 120}, true),
           Odometer({0, 208, 400, 328}, true), TankMinder({408, 208, 608, 358}, false)});
    ASSERT_EQ(frame.Main().Panels().size(), 4u);
    frame.Main().grab().save("/tmp/rovik-trip-panels.png");

    // Stacked: rows 40 high; the value takes the left two thirds less 5 pixels, the caption
    // and unit 16 high on the right third, the unit from half the row down.
    const QString odometerTexts[5][3] = {{"Distance", "123.4", "Miles"},
                                         {"Fuel", "15.2", "Gallons"},
                                         {"Time", "2:59", ""},
                                         {"Speed", "41.1", "MPH"},
                                         {"Economy", "8.1", "MPG"}};
    std::vector<Expected> stacked;
    for (int row = 0; row < 5; ++row) {
        stacked.push_back({odometerTexts[row][0], QRect(132, 40 * row, 68, 16)});
        stacked.push_back({odometerTexts[row][1], QRect(0, 40 * row, 127, 40)});
        if (!odometerTexts[row][2].isEmpty()) {
            stacked.push_back({odometerTexts[row][2], QRect(132, 40 * row + 20, 68, 16)});
        }
    }
    ExpectPainted(PanelAt<OdometerPanel>(0), stacked);

    // Side by side: columns 80 wide; caption, value and unit a quarter, half and quarter high.
    std::vector<Expected> columns;
    for (int column = 0; column < 5; ++column) {
        columns.push_back({odometerTexts[column][0], QRect(80 * column, 0, 80, 30)});
        columns.push_back({odometerTexts[column][1], QRect(80 * column, 30, 80, 60)});
        if (!odometerTexts[column][2].isEmpty()) {
            columns.push_back({odometerTexts[column][2], QRect(80 * column, 90, 80, 30)});
        }
    }
    ExpectPainted(PanelAt<OdometerPanel>(2), columns);

    const QString tankTexts[3][3] = {
        {"To Empty", "411", "Miles"}, {"Fuel", "64.8", "Gallons"}, {"This Tank", "6.3", "MPG"}};
    std::vector<Expected> tankColumns;
    std::vector<Expected> tankRows;
    for (int i = 0; i < 3; ++i) {
        tankColumns.push_back({tankTexts[i][0], QRect(100 * i, 0, 100, 30)});
        tankColumns.push_back({tankTexts[i][1], QRect(100 * i, 30, 100, 60)});
        tankColumns.push_back({tankTexts[i][2], QRect(100 * i, 90, 100, 30)});
        tankRows.push_back({tankTexts[i][0], QRect(132, 50 * i, 68, 20)});
        tankRows.push_back({tankTexts[i][1], QRect(0, 50 * i, 127, 50)});
        tankRows.push_back({tankTexts[i][2], QRect(132, 50 * i + 25, 68, 20)});
    }
    ExpectPainted(PanelAt<TankMinderPanel>(1), tankColumns);
    ExpectPainted(PanelAt<TankMinderPanel>(3), tankRows);
}

TEST_F(TripPanelTest, DoubleClickEndsTheTripUnlessTheOdometerIsLocked) {
    Start({Odometer({0, 0, 200, 200}, false, true), Odometer({208, 0, 408, 200}, false)});
    OdometerPanel& locked = PanelAt<OdometerPanel>(0);
    DoubleClick(locked);
    EXPECT_EQ(locked.Trip().Baseline(), kTripStart);
    EXPECT_EQ(Text("Trip.trp.TXT"), TripHistory::Header());

    OdometerPanel& odometer = PanelAt<OdometerPanel>(1);
    DoubleClick(odometer);
    EXPECT_EQ(TripFile::Read("Trip.trp"), kNow);
    const std::string history = Text("Trip.trp.TXT");
    ASSERT_EQ(history.size(), TripHistory::Header().size() + TripHistory::kRowLength);
    EXPECT_EQ(history.substr(TripHistory::Header().size() + 8),
              ",   123.4,   2:59,  15.2,  41.1,  8.1\r\n");
    EXPECT_EQ(Values(odometer), (std::vector<QString>{"0.0", "0.0", "0:00", "0.0", "0.0"}));
}

TEST_F(TripPanelTest, ResetTripAndStartFromDayOneWorkFromTheDialogUnlessLocked) {
    Start({Odometer({0, 0, 200, 200}, false)});
    OdometerPanel& odometer = PanelAt<OdometerPanel>(0);

    // Ticking Locked in the dialog refuses the reset and keeps the dialog open.
    QStringList messages;
    AnswerNext<QDialog>([&](QDialog& dialog) {
        AnswerNext<QMessageBox>([&](QMessageBox& box) {
            messages << box.windowTitle() + ": " + box.text();
            box.accept();
        });
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text() == "Loc&ked") {
                button->click();
            }
        }
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text() == "Reset &Trip") {
                button->click();
            }
        }
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    odometer.ShowProperties();
    EXPECT_EQ(messages, QStringList{"Odometer Error: Odometer is Locked"});
    EXPECT_EQ(odometer.Trip().Baseline(), kTripStart);

    AnswerNext<QDialog>([](QDialog& dialog) {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text() == "Reset &Trip") {
                button->click();
            }
        }
    });
    odometer.ShowProperties();
    EXPECT_EQ(odometer.Trip().Baseline(), kNow);
    EXPECT_EQ(TripFile::Read("Trip.trp"), kNow);
    EXPECT_EQ(Text("Trip.trp.TXT").size(), TripHistory::Header().size() + TripHistory::kRowLength);

    AnswerNext<QDialog>([](QDialog& dialog) {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text() == "Start From Day &One") {
                button->click();
            }
        }
    });
    odometer.ShowProperties();
    EXPECT_EQ(TripFile::Read("Trip.trp"), Totals());
    EXPECT_EQ(Values(odometer).front(), "1123.4");
    // Only Reset Trip writes a history row.
    EXPECT_EQ(Text("Trip.trp.TXT").size(), TripHistory::Header().size() + TripHistory::kRowLength);
}

TEST_F(TripPanelTest, DoubleClickFillsTheTankAndTheDialogTakesTheLevelInWholeGallons) {
    Start({TankMinder({0, 0, 200, 150}, false)});
    TankMinderPanel& tank = PanelAt<TankMinderPanel>(0);
    // 100 - 35.2 gallons left; confirming the dialog unchanged keeps 64 of them.
    AnswerNext<QDialog>([](QDialog& dialog) {
        QList<QSpinBox*> boxes = dialog.findChildren<QSpinBox*>();
        ASSERT_EQ(boxes.size(), 2);
        EXPECT_EQ(boxes[0]->value(), 100);
        EXPECT_EQ(boxes[1]->value(), 64);
        EXPECT_EQ(boxes[1]->maximum(), 999);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    tank.ShowProperties();
    EXPECT_EQ(Values(tank)[1], "64.0");
    EXPECT_NEAR(tank.Tank().Remaining(kNow, tank.TankSize()), 64.0, 1e-9);

    DoubleClick(tank);
    EXPECT_EQ(TankFile::Read("Tank.trp"), (FillBaseline{kNow.fuelUsed, kNow.distance}));
    EXPECT_EQ(Values(tank), (std::vector<QString>{"0", "100.0", "0.0"}));
    EXPECT_EQ(tank.Fields().back().caption, "Recent");
}

TEST_F(TripPanelTest, NewPanelsFromTheMenuStartTheirOwnFiles) {
    Start({});
    closer.emplace();
    QTest::keyClick(&frame, Qt::Key_F4);
    Settle();
    ASSERT_EQ(frame.Main().Panels().size(), 1u);
    const std::string tripFile = PanelAt<OdometerPanel>(0).Trip().Path();
    EXPECT_EQ(tripFile.rfind("Odo", 0), 0u);
    EXPECT_EQ(TripFile::Read(tripFile), kNow);
    EXPECT_EQ(Text(tripFile + ".TXT"), TripHistory::Header());
    EXPECT_TRUE(closer->dialogs.contains("Odometer Properties"));
    // The offscreen platform does not hand activation back when the dialog closes.
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));

    for (QAction* action : frame.menuBar()->findChildren<QAction*>()) {
        if (action->text() == "New &Tank Minder") {
            action->trigger();
        }
    }
    Settle();
    ASSERT_EQ(frame.Main().Panels().size(), 2u);
    const std::string tankFile = PanelAt<TankMinderPanel>(1).Tank().Path();
    EXPECT_EQ(tankFile.rfind("Tnk", 0), 0u);
    EXPECT_EQ(TankFile::Read(tankFile), (FillBaseline{kNow.fuelUsed, kNow.distance}));
    EXPECT_TRUE(closer->dialogs.contains("Tank Minder Properties"));

    // Saved and read again, both go on with their own files.
    ASSERT_TRUE(frame.Main().WriteScreen("DEFAULT.SCR"));
    std::optional<Screen> saved = ScreenFile::Read("DEFAULT.SCR");
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->panels.size(), 2u);
    EXPECT_EQ(std::get<TankMinderRecord>(saved->panels[0]).tankFilePath, tankFile);
    EXPECT_EQ(std::get<OdometerRecord>(saved->panels[1]).tripFilePath, tripFile);
}

TEST_F(TripPanelTest, TotalsFromTheLinkReachThePanelsAndODOMETERDAT) {
    Start({Odometer({0, 0, 200, 200}, false)});
    LiveValues& link = *frame.Main().State().Values();
    link.Store().StoreValue(kEngineSlot, 245, 1200.0f);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Values(PanelAt<OdometerPanel>(0)).front() == "200.0"; }, 3000));
    ByteWriter expected;
    for (double total : {1200.0, kNow.engineHours, kNow.fuelUsed}) {
        expected.WriteDouble(total);
    }
    EXPECT_EQ(AtomicFile::Read("ODOMETER.DAT"), expected.Bytes());
}
