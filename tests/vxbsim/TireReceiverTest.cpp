#include <gtest/gtest.h>

#include "TickedBox.h"
#include "core/link/BoxCommands.h"

using namespace vxbsim;
using rovik::TireMonitor;
using rovik::TireSensor;
using vxbsim::test::TickedBox;

namespace {
constexpr int kSecond = TickedBox::kTicksPerSecond;

// The program's tire monitor on a box with a tire receiver of six sensors: its commands go
// to the box as the link would send them, in the box model's own format.
struct TiresOnBox : rovik::PacketSender {
    explicit TiresOnBox(BoxModel model) : box(model) {
        box.box.AddTireReceiver(6);
        Monitor().SetSender(this);
    }
    bool SendPacket(const std::uint8_t* bytes, std::size_t count) override {
        box.toBox += box.read.binary ? rovik::BoxCommands::SendFrame(bytes, count)
                                     : rovik::BoxCommands::SendLine(bytes, count);
        return true;
    }
    TireMonitor& Monitor() { return box.read.parts.values.Tires(); }
    std::uint8_t Status(std::size_t sensor) { return Monitor().Sensor(sensor).status; }

    TickedBox box;
};

class TireReceiverOnBox : public ::testing::TestWithParam<BoxModel> {};
}  // namespace

INSTANTIATE_TEST_SUITE_P(BothFormats, TireReceiverOnBox,
                         ::testing::Values(BoxModel::Vx100, BoxModel::Vx101));

TEST_P(TireReceiverOnBox, ReportsItsSensorsAndTheirFaults) {
    TiresOnBox tires(GetParam());
    tires.box.Run(6 * kSecond);
    for (std::size_t sensor = 0; sensor < 6; ++sensor) {
        EXPECT_EQ(tires.Monitor().Sensor(sensor).StatusLine(static_cast<int>(sensor)).substr(0, 37),
                  " " + std::to_string(sensor) + "  OK        100 PSI    75 Deg  [100");
    }
    EXPECT_EQ(tires.Status(6), TireSensor::kNoSensorAssigned);
    EXPECT_EQ(tires.Monitor().UpdateWarning(), TireSensor::kOk);
    tires.box.box.Tires()->SetLow(2, true);
    tires.box.box.Tires()->SetSilent(4, true);
    tires.box.Run(5 * kSecond);
    EXPECT_EQ(tires.Status(2), TireSensor::kCaution);
    EXPECT_FLOAT_EQ(tires.Monitor().Sensor(2).pressure, 60.0f);
    EXPECT_EQ(tires.Status(4), TireSensor::kNoSensorReport);
    EXPECT_EQ(tires.Monitor().UpdateWarning(), TireSensor::kCaution);
}

TEST_P(TireReceiverOnBox, LearnsANewSensorAndClearsAnOld) {
    TiresOnBox tires(GetParam());
    ASSERT_TRUE(tires.Monitor().Learn(7));
    tires.box.Run(2 * kSecond);
    EXPECT_FALSE(tires.Monitor().LearnPending());
    EXPECT_FALSE(tires.box.box.Tires()->Learning()) << "the learn was stopped";
    EXPECT_EQ(tires.box.box.Tires()->SensorAt(7), TireReceiver::kNewSensor);
    EXPECT_EQ(tires.box.box.J1708Sent().size(), 3u) << "start, assign, stop";
    ASSERT_TRUE(tires.Monitor().Clear(1));
    ASSERT_TRUE(tires.Monitor().Query(TireMonitor::kFirstMid));
    tires.box.Run(1);
    EXPECT_EQ(tires.box.box.Tires()->SensorAt(1), (std::array<std::uint8_t, 3>{}));
    EXPECT_EQ(tires.Status(7), TireSensor::kOk) << "the query reports every sensor";
    EXPECT_EQ(tires.Status(1), TireSensor::kNoSensorAssigned);
}
