#include "core/values/PreferredSourceTable.h"
#include "ui/StartedDashboard.h"

using namespace rovik;

using SimpleGaugeTest = rovik::test::StartedDashboard;

TEST_F(SimpleGaugeTest, PaintsItsLampAndBarInTheColoursOfTheWarningLines) {
    Start();
    Main().State().Values()->Store().StoreValue(kEngineSlot, 84, 60.0f);
    SimpleGaugeRecord record;
    record.showWarningLamp = true;
    record.rect = {0, 0, 200, 160};
    Main().NewPanel(record);
    Settle();
    const QImage image = PanelAt(0).grab().toImage();
    // Default lines -1, -1, 55, 70 on 0..90: the lamp is yellow at 60.
    EXPECT_EQ(image.pixelColor(20, 20), QColor(255, 255, 0));
    // The bar: green up to 55, yellow on to 60, black beyond.
    const int barY = 160 - 20;
    EXPECT_EQ(image.pixelColor(10, barY), QColor(0, 191, 0));
    EXPECT_EQ(image.pixelColor(3 + 194 * 57 / 90, barY), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(3 + 194 * 75 / 90, barY), QColor(0, 0, 0));
    KeepOnFailure(image, "gauge.png");
}
