#include "core/app/ScreenFile.h"
#include "core/tires/TireLayoutFile.h"
#include "support/MessageBytes.h"
#include "ui/StartedDashboard.h"
#include "ui/TextCapture.h"

using namespace rovik;
using namespace rovik::test;

namespace {
const QString kOkGreen = "#00bf00", kAlarmRed = "#ff0000", kSilentGrey = "#808080",
              kUnknownWhite = "#ffffff", kBack = "#000000";

QStringList Colours(QWidget& panel, std::initializer_list<QPoint> points) {
    const QImage image = panel.grab().toImage();
    QStringList colours;
    for (QPoint point : points) {
        colours << image.pixelColor(point).name();
    }
    return colours;
}

}  // namespace

using TireGaugePanelTest = StartedDashboard;

// Five axles on 400 x 250: cells of 100 x 50, icons of 50 x 50, at the cell's left beside the
// pressure or in its middle alone. Sensor 0 reads 100 PSI, 1 is in alarm at 96, 2 stopped
// reporting, the others are unknown.
TEST_F(TireGaugePanelTest, DrawsEachWheelInItsStatusColourBesideItsPressureOrAlone) {
    ASSERT_TRUE(
        TireLayoutFile::Write("TIRES.DAT", TireLayout::Of(TireLayout::Preset::EightPlusFour)));
    TireGaugeRecord beside, alone;
    beside.rect = {0, 0, 400, 250};
    alone.rect = {400, 0, 800, 250};
    beside.background = alone.background = kBlack;
    alone.showPressure = false;
    Screen screen;
    screen.panels = {beside, alone};
    ASSERT_TRUE(ScreenFile::Write("DEFAULT.SCR", screen));
    Start();
    for (const Bytes& message : {Bytes{166, 254, 12, 1, 0, 1, 2, 3, 167, 0, 0, 1, 0, 95, 255},
                                 Bytes{166, 254, 12, 1, 1, 1, 2, 4, 160, 0, 0, 1, 0, 95, 255},
                                 Bytes{166, 254, 12, 1, 2, 1, 2, 5, 254, 0, 0, 0, 0, 95, 255},
                                 Bytes{166, 194, 2, 19, 1}}) {
        const Bytes frame = WithChecksum(message);
        Main().State().Values()->Tires().Decode({frame.data(), frame.size()}, 1000);
    }
    EXPECT_EQ(Colours(PanelAt(0), {{15, 25}, {325, 25}, {25, 75}, {125, 225}, {150, 25}}),
              QStringList({kOkGreen, kAlarmRed, kSilentGrey, kUnknownWhite, kBack}));
    EXPECT_EQ(Colours(PanelAt(1), {{15, 25}, {50, 25}, {310, 25}, {350, 25}, {50, 75}, {150, 225}}),
              QStringList({kBack, kOkGreen, kBack, kAlarmRed, kSilentGrey, kUnknownWhite}));
    EXPECT_EQ(TextCapture::WrittenBy(PanelAt(0)),
              QStringList({"100", "96"}) + QStringList(10, "0"));
    EXPECT_EQ(TextCapture::WrittenBy(PanelAt(1)), QStringList());
}
