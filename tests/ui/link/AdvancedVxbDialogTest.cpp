#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <functional>

#include "LinkDialogSupport.h"
#include "core/PtyBox.h"
#include "ui/link/AdvancedVxbDialog.h"

using namespace rovik;
using rovik::test::FieldText;
using rovik::test::Labelled;

namespace {
struct AdvancedVxbDialogTest : ::testing::Test {
    AdvancedVxbDialogTest() {
        link.SetPortName(pty.device);
        link.SetConnectionType(ConnectionType::Vx101Usb);
    }
    // What the transmit thread would send of what the dialog queued.
    std::string Sent() {
        while (link.QueuedByteCount() > 0) {
            link.SendOneQueuedByte();
        }
        return pty.Receive();
    }
    QAbstractButton& Button(const QString& textOrDescription) {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text().remove('&') == textOrDescription ||
                button->accessibleDescription() == textOrDescription) {
                return *button;
            }
        }
        throw std::runtime_error("no button " + textOrDescription.toStdString());
    }

    PtyBox pty;
    test::TestLink parts{test::UniqueLinkBlock()};
    LinkReader& link = parts.link;
    BoxState& box = parts.box;
    AdvancedVxbDialog dialog{link, box, 100};
};

struct StepCase {
    const char* what;
    std::function<void(BoxState&)> reported;
    const char* button;
    std::string sent;
};
}  // namespace

TEST_F(AdvancedVxbDialogTest, PlusAndMinusAskForOneStepFromWhatTheBoxLastReportedWithinLimits) {
    const StepCase cases[] = {
        {"bit gap at its top", [](BoxState& b) { b.Statistics().bitGap = 250; },
         "Raise the bit gap", ""},
        {"bit gap below its top", [](BoxState& b) { b.Statistics().bitGap = 12; },
         "Raise the bit gap", "G0D\n\r"},
        {"bit gap at its bottom", [](BoxState& b) { b.Statistics().bitGap = 4; },
         "Lower the bit gap", ""},
        {"bit gap above its bottom", [](BoxState& b) { b.Statistics().bitGap = 5; },
         "Lower the bit gap", "G04\n\r"},
        {"cycle size at its top", [](BoxState& b) { b.Registers().Set(6, 99); },
         "Raise the CAN cycle size", "M000663\n\r"},
        {"cycle size at its bottom", [](BoxState& b) { b.Registers().Set(6, 1); },
         "Lower the CAN cycle size", "M000601\n\r"},
        {"fuel meter off", [](BoxState& b) { b.Registers().Set(1, 0); }, "VXB Fuelmeter",
         "M000101\n\r"},
        {"fuel meter on", [](BoxState& b) { b.Registers().Set(1, 1); }, "VXB Fuelmeter",
         "M000100\n\r"},
        {"zeroing the fuel meter", [](BoxState&) {}, "Zero Fuelmeter", "O"},
    };
    for (const StepCase& c : cases) {
        c.reported(box);
        QAbstractButton& button = Button(c.button);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
        EXPECT_EQ(Sent(), c.sent) << c.what;
    }
}

TEST_F(AdvancedVxbDialogTest, EachTickShowsTheBoxReportsAndAsksTheNextQuestion) {
    BoxStatistics& statistics = box.Statistics();
    statistics.j1708GoodPackets = 1234;
    statistics.j1708Errors = 5;
    statistics.bitGap = 12;
    statistics.j1939PacketsReceived = 65535;
    box.Registers().Set(6, 10);
    box.Registers().Set(1, 1);
    box.SetVersion("VXB 2.07");
    box.SetShortRead(true);
    box.SetJ1708Suppressed(true);
    dialog.Tick();
    EXPECT_EQ(FieldText(dialog, "Good Packets"), "  1234");
    EXPECT_EQ(FieldText(dialog, "Errors"), "     5");
    EXPECT_EQ(FieldText(dialog, "Bit Gap"), "    12");
    EXPECT_EQ(FieldText(dialog, "Packets Rcvd"), " 65535");
    EXPECT_EQ(FieldText(dialog, "CAN Cycle Size"), "    10");
    EXPECT_EQ(FieldText(dialog, "VXB Version"), "VXB 2.07");
    EXPECT_EQ(FieldText(dialog, "USB Tx Status"), "Error");
    EXPECT_EQ(FieldText(dialog, "J1708 Performance"), "Suppressed");
    EXPECT_TRUE(Button("VXB Fuelmeter").isChecked());
    EXPECT_EQ(Sent(), "Z") << "the first tick is step 1";

    box.SetShortRead(false);
    box.SetJ1708Suppressed(false);
    dialog.Tick();
    EXPECT_EQ(FieldText(dialog, "USB Tx Status"), "Ok");
    EXPECT_EQ(FieldText(dialog, "J1708 Performance"), "Suppressed") << "it stays once seen";
    EXPECT_EQ(Sent(), "R0001\n\r");
}

TEST_F(AdvancedVxbDialogTest, ATypedDelayTakesEffectAtOnceAndSendsTheTestPacket) {
    auto& delay = Labelled<QSpinBox>(dialog, "USB Tx Delay");
    delay.selectAll();
    QTest::keyClicks(&delay, "7");
    EXPECT_EQ(link.GetTransmitDelay(), 7u);
    EXPECT_EQ(dialog.TransmitDelay(), 7);
    QTest::mouseClick(&Button("Test"), Qt::LeftButton);
    const std::string testPacket = "S" + std::string(20, '0') + "\r\n";
    EXPECT_EQ(Sent(), testPacket + testPacket);
    EXPECT_EQ(link.GetTransmitDelay(), 7u) << "Test leaves the delay alone";
}
