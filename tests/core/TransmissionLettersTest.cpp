#include <gtest/gtest.h>

#include <cstdio>

#include "core/panels/TransmissionLetters.h"
#include "support/FramedLink.h"

using namespace rovik;
using namespace rovik::test;

namespace {
void SendTransmission2(FramedLink& link, std::uint8_t gear, std::uint8_t requested) {
    char header[16];
    std::snprintf(header, sizeof header, "R%02X%06X", 3, 61445);
    link.FeedLine(header + Hex({0xFF, 0xFF, 0xFF, gear, requested, 16}));
}
}  // namespace

TEST(TransmissionLetters, AreUnknownUntilReportedAndAskForAPaintOnlyWhenTheyChange) {
    FramedLink j1587(ConnectionType::Vx100Serial);
    TransmissionLetters letters;
    EXPECT_TRUE(letters.Update(j1587.parts.values));
    letters.Drawn();
    EXPECT_FALSE(letters.Update(j1587.parts.values));
    // A control character means nothing to the driver.
    j1587.FeedFrame({130, 162, 'D', ' ', 163, 0x07, ' '});
    EXPECT_TRUE(letters.Update(j1587.parts.values));
    EXPECT_EQ(std::string({letters.Selected(), letters.Attained()}), "D?");
    letters.Drawn();
    EXPECT_FALSE(letters.Update(j1587.parts.values));
}

TEST(TransmissionLetters, ComeFromJ1939AsFromJ1587) {
    FramedLink j1939(ConnectionType::Vx101Usb);
    TransmissionLetters letters;
    SendTransmission2(j1939, 128, 'D');
    letters.Update(j1939.parts.values);
    EXPECT_EQ(std::string({letters.Selected(), letters.Attained()}), "D3");
    SendTransmission2(j1939, 124, 'R');
    letters.Update(j1939.parts.values);
    EXPECT_EQ(std::string({letters.Selected(), letters.Attained()}), "RR");
}
