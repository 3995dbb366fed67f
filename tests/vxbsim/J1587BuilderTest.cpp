#include <gtest/gtest.h>

#include <algorithm>

#include "Readings.h"
#include "vxbsim/BoxEncoder.h"
#include "vxbsim/J1587Builder.h"

using namespace vxbsim;
using namespace vxbsim::test;
using Fault = rovik::test::RecordedFaults::Fault;

namespace {
std::vector<Message> FastAndSlow(const VehicleModel& vehicle,
                                 const std::vector<J1587Fault>& faults) {
    std::vector<Message> messages = J1587Builder::Fast(vehicle);
    std::vector<Message> slow = J1587Builder::Slow(vehicle, faults);
    messages.insert(messages.end(), slow.begin(), slow.end());
    return messages;
}

// Feeds the messages as the RS-232 box frames them; false when one leaves no room for its
// checksum on the data link.
bool Send(rovik::test::FramedLink& read, const std::vector<Message>& messages) {
    for (const Message& message : messages) {
        if (message.size() >= 21) {
            return false;
        }
        read.Feed(BoxEncoder(BoxModel::Vx100).Encode(message));
    }
    read.Flush();
    return true;
}
}  // namespace

TEST(J1587Builder, ItemsOfEveryShapeReadAsTheModelsValues) {
    VehicleModel vehicle = DrivenFor(300.0);
    ASSERT_GT(vehicle.RoadSpeedMph(), 50.0);
    rovik::test::FramedLink read(rovik::ConnectionType::Vx100Serial);
    ASSERT_TRUE(Send(read, FastAndSlow(vehicle, {})));
    ExpectReadings(read, vehicle, &Reading::j1708);
}

// Through a whole drive every message fits the data link and every fault reaches the
// program with its flags and count, whatever item and message it went in.
TEST(J1587Builder, EveryMessageFitsTheLinkAndCarriesEveryFault) {
    std::vector<J1587Fault> faults = {
        {.mid = 128, .code = 110, .fmi = 0, .occurrences = 1},
        {.mid = 130, .code = 2, .isSid = true, .fmi = 14, .inactive = true},
        {.mid = 136, .code = 84, .fmi = 2, .occurrences = 127},
        {.mid = 128, .code = 110, .fmi = 3, .expansion = true},
    };
    std::vector<Fault> expected = {{128, 110, 0xA0, 1, false},
                                   {130, 2, 0x7E, 0, false},
                                   {136, 84, 0xA2, 127, false},
                                   {128, 110, 0x03, 0, false}};
    for (std::uint8_t code = 20; code < 27; ++code) {
        faults.push_back({.mid = 136, .code = code, .fmi = 5, .occurrences = code});
        expected.emplace_back(136, code, 0xA5, code, false);
    }
    rovik::test::FramedLink read(rovik::ConnectionType::Vx100Serial);
    VehicleModel vehicle;
    for (std::size_t step = 1; step <= 6000; ++step) {
        vehicle.Step(0.1);
        ASSERT_TRUE(Send(read, FastAndSlow(vehicle, faults))) << "step " << step;
        ASSERT_EQ(read.Faults().size(), step * faults.size());
    }
    std::vector<Fault> first(read.Faults().begin(), read.Faults().begin() + faults.size());
    std::sort(first.begin(), first.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(first, expected);
    // A controller the program does not read gets messages of its own.
    EXPECT_EQ(J1587Builder::Slow(vehicle, {{.mid = 140, .code = 84}}).back().at(0), 140);
}
