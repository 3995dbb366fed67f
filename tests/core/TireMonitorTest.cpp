#include <gtest/gtest.h>

#include <algorithm>

#include "core/tires/TireMonitor.h"
#include "support/MessageBytes.h"

using namespace rovik;
using rovik::test::Bytes;
using rovik::test::WithChecksum;

namespace {
// The monitor, with the commands it sends kept; they are refused once accepted is false.
struct TireMonitorTest : ::testing::Test, PacketSender {
    TireMonitorTest() { monitor.SetSender(this); }
    bool SendPacket(const std::uint8_t* bytes, std::size_t count) override {
        sent.emplace_back(bytes, bytes + count);
        return accepted;
    }
    void Feed(const Bytes& message, std::uint32_t now = 0) {
        const Bytes frame = WithChecksum(message);
        monitor.Decode({frame.data(), frame.size()}, now);
    }
    // A sensor report: position, identifier, pressure, report flag, code, Pct, Cnt.
    void Report(std::uint8_t sensor, Bytes id, std::uint8_t pressure, std::uint8_t code,
                std::uint8_t flag = 1) {
        Feed({166, 254, 12, 1, sensor, id[0], id[1], id[2], pressure, 0, 0, flag, code, 95, 255});
    }
    // A diagnostic code of a sensor as the receiver sends it.
    void Code(std::uint8_t sensor, unsigned code, std::uint32_t now, std::uint8_t flags = 0) {
        Feed({166, 194, 2, static_cast<std::uint8_t>(18 + sensor + (code & 240)),
              static_cast<std::uint8_t>((code & 15) | flags)},
             now);
    }
    std::string Line(std::size_t sensor) const {
        return monitor.Sensor(sensor).StatusLine(static_cast<int>(sensor));
    }

    TireMonitor monitor;
    std::vector<Bytes> sent;
    bool accepted = true;
};
}  // namespace

TEST_F(TireMonitorTest, ReportsAndReadingsFillTheStatusLines) {
    Report(0, {1, 2, 3}, 167, 7);
    Report(1, {1, 2, 4}, 254, 0, 0);
    Feed({166, 211, 3, 167, 255, 100});
    Feed({166, 210, 2, 30, 254});
    Feed({166, 212, 2, 150, 255});
    EXPECT_EQ(Line(0), " 0  OK        100 PSI    75 Deg  [ 95 Pct    0 Cnt   90 PSI]  7");
    EXPECT_EQ(Line(1), " 1  No Sensor Report") << "no reading: pressure 0";
    EXPECT_EQ(monitor.Sensor(1).pressure, 0.0f);
    EXPECT_EQ(Line(2), " 2  No Sensor Assigned") << "a reading assigns no sensor";
    EXPECT_FLOAT_EQ(monitor.Sensor(2).pressure, 60.0f);
    Feed({166, 211, 2, 167, 160});
    EXPECT_EQ(Line(1), " 1  OK         96 PSI   -40 Deg  [ 95 Pct    0 Cnt    0 PSI]  0");
    EXPECT_EQ(monitor.FrameCount(), 6u);
}

TEST_F(TireMonitorTest, DiagnosticCodesSetTheStatusUnlessInactive) {
    const std::pair<unsigned, std::uint8_t> codes[] = {
        {0, TireSensor::kCaution},  {14, TireSensor::kCaution}, {16, TireSensor::kCaution},
        {36, TireSensor::kCaution}, {1, TireSensor::kAlarm},    {2, TireSensor::kNoSensorReport},
        {5, TireSensor::kOk}};
    for (const auto& [code, status] : codes) {
        Report(4, {1, 2, 3}, 167, 0);
        Code(4, code, 1000 + code);
        EXPECT_EQ(monitor.Sensor(4).status, status) << code;
        EXPECT_EQ(monitor.Sensor(4).lastCodeTime, 1000 + code) << code;
    }
    Code(4, 1, 9000, 64);
    EXPECT_EQ(monitor.Sensor(4).status, TireSensor::kOk);
    EXPECT_EQ(monitor.Sensor(4).lastCodeTime, 1005u) << "an inactive code is no code at all";
    Feed({166, 241, 2, 18 + 9, 1}, 9000);
    EXPECT_EQ(monitor.Sensor(9).status, TireSensor::kAlarm) << "PID 241 carries codes too";
}

TEST_F(TireMonitorTest, ACautionOrAlarmLapsesFifteenSecondsAfterItsLastCode) {
    Report(3, {1, 2, 3}, 167, 0);
    Report(5, {1, 2, 5}, 167, 0);
    Code(3, 1, 1000);
    Code(5, 0, 4000);
    Code(3, 1, 10000, 64);
    Feed({166, 211, 6, 167, 167, 167, 167, 167, 167}, 16000);
    EXPECT_EQ(monitor.Sensor(3).status, TireSensor::kAlarm) << "exactly 15 s";
    Feed({166, 211, 1, 167}, 16001);
    EXPECT_EQ(monitor.Sensor(3).status, TireSensor::kOk);
    EXPECT_EQ(monitor.Sensor(5).status, TireSensor::kCaution);
    Feed({166, 210, 1, 30}, 30000);
    EXPECT_EQ(monitor.Sensor(5).status, TireSensor::kCaution) << "only pressures end it";
}

TEST_F(TireMonitorTest, ALearnAssignsTheHeardSensorToItsPositionAndStops) {
    Report(6, {1, 2, 3}, 167, 0);
    ASSERT_TRUE(monitor.Learn(6));
    EXPECT_EQ(Line(6), " 6  No Sensor Assigned");
    EXPECT_TRUE(monitor.LearnPending());
    Report(0, {0, 0, 0}, 167, 255);
    EXPECT_TRUE(monitor.LearnPending()) << "no sensor heard yet";
    Report(0, {9, 8, 7}, 167, 255);
    Report(0, {9, 8, 6}, 167, 255);
    EXPECT_FALSE(monitor.LearnPending());
    EXPECT_EQ(sent, (std::vector<Bytes>{{182, 254, 166, 252, 255, 255},
                                        {182, 254, 166, 1, 6, 9, 8, 7, 255, 255, 255, 0, 6, 255, 0},
                                        {182, 254, 166, 253}}));
    sent.clear();
    Feed({167, 211, 1, 167});
    ASSERT_TRUE(monitor.Learn(2));
    Feed({167, 254, 12, 1, 0, 5, 5, 5, 167, 0, 0, 1, 255, 95, 255});
    EXPECT_EQ(sent.at(1), (Bytes{182, 254, 167, 1, 18, 5, 5, 5, 255, 255, 255, 0, 2, 255, 0}));
}

TEST_F(TireMonitorTest, ClearAbortAndQuerySendTheirCommands) {
    Report(2, {1, 2, 3}, 167, 0);
    EXPECT_TRUE(monitor.Clear(2));
    EXPECT_EQ(monitor.Sensor(2), TireSensor());
    ASSERT_TRUE(monitor.Learn(4));
    monitor.AbortLearning();
    EXPECT_FALSE(monitor.LearnPending());
    Report(0, {9, 8, 7}, 167, 255);
    EXPECT_TRUE(monitor.Query(166));
    EXPECT_EQ(sent,
              (std::vector<Bytes>{{182, 254, 166, 1, 2, 0, 0, 0, 255, 255, 255, 0, 255, 255, 0},
                                  {182, 254, 166, 252, 255, 255},
                                  {182, 254, 166, 253},
                                  {182, 128, 254, 166}}));
    accepted = false;
    EXPECT_FALSE(monitor.Learn(4));
    EXPECT_FALSE(monitor.LearnPending()) << "the receiver never heard of it";
    EXPECT_FALSE(monitor.Learn(16));
}

TEST_F(TireMonitorTest, MalformedFramesAreCountedButChangeNoSensor) {
    const Bytes ignored[] = {
        {166, 211, 2},                                                          // 4 bytes in all
        {166, 211, 17, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},  // 20, count 17
        {166, 211, 16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17},  // 21 bytes
        {166, 254, 12, 1, 16, 1, 2, 3, 167, 0, 0, 1, 0, 95, 1},                     // sensor 16
        {166, 254, 11, 1, 1, 1, 2, 3, 167, 0, 0, 1, 0, 95},  // report cut short
        {166, 194, 6, 18},                                   // codes past the end
        {168, 84, 2, 1, 2, 3}};                              // another PID
    for (const Bytes& message : ignored) {
        Feed(message);
    }
    for (std::size_t sensor : {0, 1, 2, 15}) {
        EXPECT_EQ(monitor.Sensor(sensor), TireSensor()) << sensor;
    }
    EXPECT_EQ(monitor.FrameCount(), std::size(ignored));
    EXPECT_EQ(monitor.TireMid(), 168);
    Feed({166, 211, 16, 100});
    EXPECT_FLOAT_EQ(monitor.Sensor(0).pressure, 60.0f) << "readings as far as the frame goes";
    EXPECT_EQ(monitor.Sensor(1).pressure, 0.0f);
}

TEST(TireMonitor, WarningIsTheWorstStatusWithNoReportBelowCaution) {
    const std::pair<std::vector<std::uint8_t>, std::uint8_t> cases[] = {
        {{}, 1}, {{1, 0, 1}, 0}, {{0, 2, 0}, 2}, {{3, 2, 0}, 3}, {{2, 3}, 3}};
    for (const auto& [some, level] : cases) {
        TireMonitor::Statuses statuses;
        statuses.fill(TireSensor::kNoSensorAssigned);
        std::copy(some.begin(), some.end(), statuses.begin());
        EXPECT_EQ(TireMonitor::WarningLevel(statuses), level) << some.size() << " sensors";
    }
}
