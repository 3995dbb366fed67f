#include <gtest/gtest.h>

#include "TickedBox.h"

using namespace vxbsim;
using rovik::kBrakesSlot;
using rovik::kEngineSlot;
using rovik::LinkStatus;
using vxbsim::test::TickedBox;
using Faults = std::vector<rovik::test::RecordedFaults::Fault>;

namespace {
constexpr int kSecond = TickedBox::kTicksPerSecond;
}  // namespace

// While the vehicle is silent each model keeps the J1708 messages the program gave it and
// counts the fuel meter resets; the text boxes also answer register reads and writes (none
// past the last register), the version, "?" with a "JS" line and "Z" with an "I" line.
TEST(Emulator, AnswersCommandsAndKeepsWhatTheProgramTransmitsWhileTheVehicleIsSilent) {
    for (BoxModel model : {BoxModel::Vx100, BoxModel::Vx101}) {
        TickedBox box(model);
        const bool text = model != BoxModel::Vx100;
        SCOPED_TRACE(text ? "text box" : "serial box");
        rovik::BoxState& read = box.read.parts.box;
        box.box.SetVehicleSilent(true);
        read.Registers().Set(1, 0x55);  // so that a reply of 0 shows
        const std::string good = std::string("SEND\x03\x80\x54\x6E\x42", 9);
        const std::string wrongSum = std::string("SEND\x01\xB6\x00", 7);
        box.toBox = "R0001\n\rR0006\n\rG0D\n\rV?Z" + good + wrongSum + "SB6FE00\r\nO";
        box.Run(1);
        EXPECT_EQ(read.Registers().Get(1), text ? 0 : 0x55);
        EXPECT_EQ(box.fromBox.find("JS") != std::string::npos, text);
        EXPECT_EQ(box.read.reports, text ? 1 : 0) << "the \"I\" line is a report";
        EXPECT_EQ(box.box.J1708Sent(),
                  (std::vector<Message>{{0x80, 0x54, 0x6E}, {0xB6, 0xFE, 0x00}}));
        EXPECT_EQ(box.box.FuelMeterZeroings(), 1);
        if (text) {
            EXPECT_EQ(read.Version(), "VXBSIM 1.0");
            EXPECT_EQ(read.Registers().Get(6), 10);
            EXPECT_EQ(read.Statistics().bitGap, 0x0D);
        }
        box.toBox = "M000101\n\r";
        box.Run(1);
        EXPECT_EQ(read.Registers().Get(1), text ? 1 : 0x55);
        box.fromBox.clear();
        box.toBox = "R0800\n\r";
        box.Run(1);
        EXPECT_EQ(box.fromBox, "") << "2048 is past the last register";
    }
}

// The statistics count what reached the program, and text replies to commands never spoil
// the serial box's frames. A silent vehicle sends nothing while the box keeps reporting; a
// silent box sends nothing at all, not even what it is fed.
TEST(Emulator, StatisticsCountWhatTheProgramReadAndSilenceStopsWhatItShould) {
    for (BoxModel model : {BoxModel::Vx100, BoxModel::Vx101, BoxModel::Vx150}) {
        TickedBox box(model);
        const rovik::test::FramedLink& read = box.read;
        const rovik::BoxStatistics& statistics = read.parts.box.Statistics();
        box.box.SetFastEvery(136, 2);
        box.toBox = "VR0001\n\rM000101\n\r";
        box.Run(2 * kSecond);
        EXPECT_EQ(read.reports, 2);
        EXPECT_GT(statistics.j1708GoodPackets, 30u);
        EXPECT_EQ(statistics.j1708GoodPackets + statistics.j1939PacketsReceived,
                  static_cast<std::uint32_t>(read.vehicleMessages));
        EXPECT_EQ(statistics.j1708Errors, 0u);
        EXPECT_EQ(read.Count(kBrakesSlot, 116), static_cast<std::uint32_t>(kSecond))
            << "the brakes' fast items every other period";
        EXPECT_EQ(read.Status(), LinkStatus::Ok);

        const int heard = read.vehicleMessages;
        const std::uint32_t counted = statistics.j1708GoodPackets;
        box.box.SetVehicleSilent(true);
        box.Run(kSecond);
        EXPECT_EQ(read.vehicleMessages, heard);
        EXPECT_EQ(read.reports, 3);
        EXPECT_EQ(statistics.j1708GoodPackets, counted);
        EXPECT_EQ(read.Status(), LinkStatus::EngineSideFailure);
        box.box.SetSilent(true);
        box.box.Send(BoxEncoder(model).Encode({128, 84, 110}));
        box.Run(kSecond);
        EXPECT_EQ(read.vehicleMessages, heard);
        EXPECT_EQ(read.reports, 3);
    }
}

TEST(Emulator, SendsFaultsOnBothLinksUntilTheyAreCleared) {
    TickedBox usb(BoxModel::Vx101);
    EXPECT_FALSE(usb.box.RaiseFault(J1587Fault{.fmi = 16}));
    EXPECT_FALSE(usb.box.RaiseFault(J1939Fault{.spn = 0x80000}));
    EXPECT_FALSE(usb.box.RaiseFault(J1939Fault{.occurrences = 127}));
    EXPECT_FALSE(usb.box.ClearJ1939Fault(0, 110, 1));
    ASSERT_TRUE(
        usb.box.RaiseFault(J1587Fault{.mid = 128, .code = 110, .fmi = 0, .occurrences = 1}));
    for (unsigned spn : {110u, 100u, 190u}) {
        ASSERT_TRUE(
            usb.box.RaiseFault(J1939Fault{.source = 0, .spn = spn, .fmi = 1, .occurrences = 2}));
    }
    const Faults& read = usb.read.Faults();
    usb.Run(1);
    EXPECT_EQ(read, (Faults{{128, 110, 0xA0, 1, false},
                            {0, 110, 1, 2, true},
                            {0, 100, 1, 2, true},
                            {0, 190, 1, 2, true}}));
    EXPECT_TRUE(usb.box.ClearJ1939Fault(0, 100, 1));
    EXPECT_TRUE(usb.box.ClearJ1939Fault(0, 190, 1));
    usb.Run(kSecond);
    EXPECT_EQ(Faults(read.begin() + 4, read.end()),
              (Faults{{128, 110, 0xA0, 1, false}, {0, 110, 1, 2, true}}));
    usb.box.ClearFaults();
    usb.Run(kSecond);
    EXPECT_EQ(read.size(), 6u);
}

TEST(Emulator, AnswersARequestForAGroupOfTheControllerAsked) {
    TickedBox usb(BoxModel::Vx101);
    usb.Run(1);
    const std::uint32_t before = usb.read.Count(kEngineSlot, 174);
    usb.toBox = "TF900EA00EEFE00FFFFFFFFFF\n\r";
    usb.Run(1);
    EXPECT_EQ(usb.read.Count(kEngineSlot, 174), before + 1);
    usb.toBox = "TF900EA03EEFE00FFFFFFFFFF\n\r";  // the transmission has no such group
    usb.Run(1);
    EXPECT_EQ(usb.read.Count(kEngineSlot, 174), before + 1);
}
