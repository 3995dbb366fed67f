#include <gtest/gtest.h>

#include <map>

#include "Decode.h"
#include "vxbsim/BoxEncoder.h"
#include "vxbsim/J1939Builder.h"

using namespace vxbsim;

namespace {
// Each frame read back from its "R" line, keyed by PGN.
std::map<unsigned, decode::Frame> Sent(const VehicleModel& v) {
    BoxEncoder encoder(BoxModel::Vx101);
    auto frames = J1939Builder::Fast(v);
    auto slow = J1939Builder::Slow(v);
    frames.insert(frames.end(), slow.begin(), slow.end());
    std::map<unsigned, decode::Frame> byPgn;
    for (const J1939Frame& frame : frames) {
        std::string text = encoder.EncodeJ1939(frame);
        std::string line = text.substr(0, text.size() - 2);
        EXPECT_LE(line.size(), 25u);
        EXPECT_TRUE(decode::IsUpperHex(line.substr(1)));
        byPgn[decode::RLine(line).pgn] = decode::RLine(line);
    }
    return byPgn;
}

double Byte(const decode::Frame& f, int k) {
    return f.data.at(static_cast<std::size_t>(k));
}

double Word(const decode::Frame& f, int k) {
    return Byte(f, k) + 256.0 * Byte(f, k + 1);
}

double DoubleWord(const decode::Frame& f, int k) {
    return Word(f, k) + 65536.0 * Word(f, k + 2);
}

VehicleModel DrivenFor(double seconds) {
    VehicleModel vehicle;
    for (double t = 0; t < seconds; t += 0.1) {
        vehicle.Step(0.1);
    }
    return vehicle;
}
}  // namespace

TEST(J1939Builder, SendsEveryDecodedGroupFromTheRightController) {
    auto sent = Sent(DrivenFor(60.0));
    for (unsigned pgn : {61443u, 61444u, 61445u, 65217u, 65253u, 65257u, 65262u, 65263u, 65265u,
                         65266u, 65269u, 65270u, 65271u, 65272u}) {
        ASSERT_TRUE(sent.count(pgn)) << pgn;
    }
    EXPECT_EQ(sent.at(61444).source, 0u);
    EXPECT_EQ(sent.at(61445).source, 3u);
    EXPECT_EQ(sent.at(65272).source, 3u);
}

TEST(J1939Builder, ScalingsGiveTheSameValuesAsTheJ1708Link) {
    VehicleModel v = DrivenFor(300.0);
    auto s = Sent(v);
    EXPECT_NEAR(Word(s.at(61444), 3) * 0.125, v.EngineRpm(), 0.0625);
    EXPECT_NEAR(Byte(s.at(61443), 1) * 0.4, v.AcceleratorPercent(), 0.2);
    EXPECT_NEAR(Byte(s.at(61443), 2), v.EngineLoadPercent(), 0.5);
    EXPECT_NEAR(Word(s.at(65265), 1) * 0.00242775, v.RoadSpeedMph(), 0.0013);
    EXPECT_NEAR(Byte(s.at(65262), 0) * 1.8 - 40, v.CoolantF(), 0.9);
    EXPECT_NEAR(Byte(s.at(65262), 1) * 1.8 - 40, v.FuelTempF(), 0.9);
    EXPECT_NEAR(Word(s.at(65262), 2) * 0.05625 - 459.4, v.OilTempF(), 0.03);
    EXPECT_NEAR(Byte(s.at(65263), 3) * 0.58015, v.OilPressurePsi(), 0.3);
    EXPECT_NEAR(Word(s.at(65266), 0) * 0.013208603, v.FuelRateGph(), 0.007);
    EXPECT_NEAR(Word(s.at(65266), 2) * 0.0046, v.EconomyMpg(), 0.0023);
    EXPECT_NEAR(Word(s.at(65269), 3) * 0.05625 - 459.4, v.AmbientF(), 0.03);
    EXPECT_NEAR(Byte(s.at(65270), 1) * 0.29008, v.BoostPsi(), 0.15);
    EXPECT_NEAR(Byte(s.at(65270), 2) * 1.8 - 40, v.IntakeManifoldF(), 0.9);
    EXPECT_NEAR(Word(s.at(65271), 4) * 0.05, v.BatteryVolts(), 0.025);
    EXPECT_NEAR(Word(s.at(65272), 4) * 0.05625 - 459.4, v.TransmissionOilTempF(), 0.03);
    EXPECT_NEAR(DoubleWord(s.at(65217), 0) * 0.003106856, v.DistanceMiles(), 0.002);
    EXPECT_NEAR(DoubleWord(s.at(65253), 0) * 0.05, v.EngineHours(), 0.025);
    EXPECT_NEAR(DoubleWord(s.at(65257), 4) * 0.13208602, v.FuelUsedGallons(), 0.07);
    EXPECT_EQ(Byte(s.at(61445), 3), 125.0 + v.Gear());
    EXPECT_EQ(Byte(s.at(61445), 4), 'D');
    EXPECT_EQ(Byte(s.at(61445), 5), ' ');
}

TEST(J1939Builder, BuildsARequestedGroupAndNothingForAnUnknownOne) {
    VehicleModel v = DrivenFor(30.0);
    auto fuel = J1939Builder::Build(65257, v);
    ASSERT_TRUE(fuel.has_value());
    EXPECT_EQ(fuel->source, 0);
    EXPECT_TRUE(J1939Builder::Build(65248, v).has_value());
    EXPECT_FALSE(J1939Builder::Build(12345, v).has_value());
}
