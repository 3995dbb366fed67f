#include <gtest/gtest.h>

#include <QSpinBox>
#include <functional>

#include "LinkDialogSupport.h"
#include "core/PtyBox.h"
#include "ui/link/AdvancedVxbDialog.h"

using namespace rovik;
using rovik::test::Click;

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

    PtyBox pty;
    test::TestLink parts{test::UniqueLinkBlock()};
    LinkReader& link = parts.link;
    AdvancedVxbDialog dialog{link, parts.box, 100};
};
}  // namespace

TEST_F(AdvancedVxbDialogTest, ButtonsAskForOneStepFromWhatTheBoxLastReportedWithinLimits) {
    const auto gap = [](int value) {
        return [value](BoxState& b) { b.Statistics().bitGap = value; };
    };
    const auto reg = [](unsigned at, int value) {
        return
            [at, value](BoxState& b) { b.Registers().Set(at, static_cast<std::uint8_t>(value)); };
    };
    const std::tuple<std::function<void(BoxState&)>, const char*, std::string> cases[] = {
        {gap(250), "Raise the bit gap", ""},
        {gap(12), "Raise the bit gap", "G0D\n\r"},
        {gap(4), "Lower the bit gap", ""},
        {gap(5), "Lower the bit gap", "G04\n\r"},
        {reg(6, 99), "Raise the CAN cycle size", "M000663\n\r"},
        {reg(6, 1), "Lower the CAN cycle size", "M000601\n\r"},
        {reg(1, 0), "VXB Fuelmeter", "M000101\n\r"},
        {reg(1, 1), "VXB Fuelmeter", "M000100\n\r"},
        {reg(1, 1), "Zero Fuelmeter", "O"},
    };
    for (const auto& [reported, button, sent] : cases) {
        reported(parts.box);
        Click(dialog, button);
        EXPECT_EQ(Sent(), sent) << button;
    }
}

TEST_F(AdvancedVxbDialogTest, ATypedDelayTakesEffectAtOnceAndSendsTheTestPacket) {
    auto& delay = test::Labelled<QSpinBox>(dialog, "USB Tx Delay");
    delay.selectAll();
    QTest::keyClicks(&delay, "7");
    EXPECT_EQ(link.GetTransmitDelay(), 7u);
    EXPECT_EQ(dialog.TransmitDelay(), 7);
    Click(dialog, "Test");
    const std::string testPacket = "S" + std::string(20, '0') + "\r\n";
    EXPECT_EQ(Sent(), testPacket + testPacket);
}
