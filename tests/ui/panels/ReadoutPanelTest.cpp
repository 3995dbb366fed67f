#include <QSpinBox>

#include "core/app/ScreenFile.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/trip/TankFile.h"
#include "core/trip/TripFile.h"
#include "core/trip/TripHistory.h"
#include "core/values/PreferredSourceTable.h"
#include "ui/StartedDashboard.h"
#include "ui/panels/OdometerPanel.h"
#include "ui/panels/TankMinderPanel.h"

using namespace rovik;
using namespace rovik::test;

namespace {
// The vehicle's totals: 123.4 miles, 2.999 hours and 15.2 gallons past the trip's start,
// 223.4 miles and 35.2 gallons past the tank's fill.
const Totals kNow{1123.4, 102.999, 515.2};
const Totals kTripStart{1000.0, 100.0, 500.0};
const FillBaseline kFill{480.0, 900.0};
const FillBaseline kFilledNow{kNow.fuelUsed, kNow.distance};

std::vector<std::uint8_t> Bytes(const Totals& totals) {
    ByteWriter bytes;
    for (double total : {totals.distance, totals.engineHours, totals.fuelUsed}) {
        bytes.WriteDouble(total);
    }
    return bytes.Bytes();
}

std::size_t HistoryRows() {
    const std::size_t size = AtomicFile::Read("Trip.trp.TXT").value().size();
    return (size - TripHistory::Header().size()) / TripHistory::kRowLength;
}

// An odometer on "Trip.trp" or a tank minder on "Tank.trp".
template <typename Record>
AnyPanelRecord Readout(PanelRect rect) {
    Record record;
    record.rect = rect;
    if constexpr (std::is_same_v<Record, OdometerRecord>) {
        record.tripFilePath = "Trip.trp";
    } else {
        record.useRecentMpg = false;
        record.tankFilePath = "Tank.trp";
    }
    return record;
}
const auto Odometer = Readout<OdometerRecord>;
const auto TankMinder = Readout<TankMinderRecord>;

// A dashboard started on a screen of the given panels, with the vehicle's totals, the trip
// with its history and the tank as a previous run left them.
struct ReadoutPanelTest : StartedDashboard {
    void StartWith(std::vector<AnyPanelRecord> panels) {
        ASSERT_TRUE(AtomicFile::Write("ODOMETER.DAT", Bytes(kNow)));
        ASSERT_TRUE(TripFile::Write("Trip.trp", kTripStart));
        ASSERT_TRUE(TripHistory::Create("Trip.trp.TXT"));
        ASSERT_TRUE(TankFile::Write("Tank.trp", kFill));
        Screen screen;
        screen.panels = std::move(panels);
        ASSERT_TRUE(ScreenFile::Write("DEFAULT.SCR", screen));
        Start();
        closer.reset();
    }
    OdometerPanel& OdometerAt(std::size_t index) { return PanelAt<OdometerPanel>(index); }
    TankMinderPanel& TankAt(std::size_t index) { return PanelAt<TankMinderPanel>(index); }
    static QString Value(const ReadoutPanel& panel, std::size_t field) {
        return QString::fromStdString(panel.Fields().at(field).value);
    }
    void DoubleClick(QWidget& panel) {
        QTest::mouseDClick(&panel, Qt::LeftButton, {}, QPoint(40, 40));
        Settle();
    }
};
}  // namespace

TEST_F(ReadoutPanelTest, DoubleClickEndsTheTripUnlessLockedAndFillsTheTank) {
    OdometerRecord locked = std::get<OdometerRecord>(Odometer({0, 0, 200, 200}));
    locked.locked = true;
    StartWith({locked, Odometer({208, 0, 408, 200}), TankMinder({416, 0, 616, 150})});
    DoubleClick(PanelAt(0));
    EXPECT_EQ(OdometerAt(0).Trip().Baseline(), kTripStart);
    EXPECT_EQ(HistoryRows(), 0u);

    DoubleClick(PanelAt(1));
    EXPECT_EQ(TripFile::Read("Trip.trp"), kNow);
    EXPECT_EQ(HistoryRows(), 1u);
    EXPECT_EQ(Value(OdometerAt(1), 0), "0.0");

    DoubleClick(PanelAt(2));
    EXPECT_EQ(TankFile::Read("Tank.trp"), kFilledNow);
    EXPECT_EQ(Value(TankAt(2), 1), "100.0");
}

TEST_F(ReadoutPanelTest, ResetTripAndStartFromDayOneRestartTheTripFromTheDialog) {
    StartWith({Odometer({0, 0, 200, 200})});
    for (const char* button : {"Reset &Trip", "Start From Day &One"}) {
        AnswerNext<QDialog>([button](QDialog& dialog) { ButtonNamed(dialog, button).click(); });
        OdometerAt(0).ShowProperties();
        // Only Reset Trip ends the trip in the history; Day One counts from all zeros.
        EXPECT_EQ(HistoryRows(), 1u);
        EXPECT_EQ(TripFile::Read("Trip.trp"), button[0] == 'R' ? kNow : Totals());
        EXPECT_EQ(Value(OdometerAt(0), 0), button[0] == 'R' ? "0.0" : "1123.4");
    }
}

TEST_F(ReadoutPanelTest, FillTankInThePropertiesFillsTheNewSize) {
    StartWith({TankMinder({0, 0, 200, 150})});
    AnswerNext<QDialog>([](QDialog& dialog) {
        ControlNamed<QSpinBox>(dialog, "Tank Size").setValue(80);
        ButtonNamed(dialog, "Fill T&ank").click();
    });
    TankAt(0).ShowProperties();
    EXPECT_EQ(TankFile::Read("Tank.trp"), kFilledNow);
    EXPECT_EQ(Value(TankAt(0), 1), "80.0");
}
