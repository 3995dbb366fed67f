#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "Decode.h"
#include "vxbsim/BoxEncoder.h"
#include "vxbsim/J1587Builder.h"

using namespace vxbsim;
using decode::Bytes;

namespace {
// Every item of the messages, keyed by MID and PID (page 2 from 256), read from the messages
// as they go on the wire, checksum included.
using Table = std::map<int, std::map<int, Bytes>>;

std::vector<Bytes> OnTheWire(const std::vector<Message>& messages) {
    std::vector<Bytes> wire;
    for (Message m : messages) {
        m.push_back(BoxEncoder::Checksum(m));
        wire.push_back(m);
    }
    return wire;
}

Table Read(const std::vector<Bytes>& wire) {
    Table table;
    for (const Bytes& m : wire) {
        for (const auto& [pid, data] : decode::Items(m)) {
            table[m[0]][pid] = data;
        }
    }
    return table;
}

double OneByte(const Table& t, int mid, int pid) {
    return t.at(mid).at(pid).at(0);
}

double TwoBytes(const Table& t, int mid, int pid) {
    const Bytes& d = t.at(mid).at(pid);
    return d.at(0) + 256.0 * d.at(1);
}

VehicleModel DrivenFor(double seconds) {
    VehicleModel vehicle;
    for (double t = 0; t < seconds; t += 0.1) {
        vehicle.Step(0.1);
    }
    return vehicle;
}

using FaultKey = std::tuple<int, int, bool, int, int, bool, bool>;

FaultKey Key(const J1587Fault& f) {
    return {f.mid, f.code, f.isSid, f.fmi, f.occurrences, f.inactive, f.expansion};
}

// Every fault of every diagnostic item, read by the item's own rules.
std::vector<FaultKey> FaultsIn(const std::vector<Bytes>& wire) {
    std::vector<FaultKey> faults;
    for (const Bytes& m : wire) {
        for (const auto& [pid, data] : decode::Items(m)) {
            for (std::size_t i = 0; pid == 194 && i + 1 < data.size();) {
                std::uint8_t d = data[i + 1];
                bool count = (d & 0x80) != 0;
                int occurrences = count ? data.at(i + 2) : 0;
                faults.emplace_back(m[0], data[i], (d & 0x10) != 0, d & 0x0F, occurrences,
                                    (d & 0x40) != 0, (d & 0x20) == 0);
                i += count ? 3 : 2;
            }
        }
    }
    return faults;
}
}  // namespace

TEST(J1587Builder, EveryMessageFitsTheLinkAndSumsToZero) {
    std::vector<J1587Fault> faults;
    for (std::uint8_t code = 90; code < 102; ++code) {
        faults.push_back({.mid = 128, .code = code, .fmi = 3, .occurrences = 2});
    }
    faults.push_back({.mid = 136, .code = 2, .isSid = true, .fmi = 14});
    VehicleModel vehicle;
    for (int step = 0; step < 6000; ++step) {
        vehicle.Step(0.1);
        auto messages = J1587Builder::Fast(vehicle);
        auto slow = J1587Builder::Slow(vehicle, faults);
        messages.insert(messages.end(), slow.begin(), slow.end());
        for (const Bytes& m : OnTheWire(messages)) {
            ASSERT_LE(m.size(), 21u);
            ASSERT_EQ(decode::Sum(m), 0);
            for (const auto& item : decode::Items(m)) {
                ASSERT_NE(item.first, -1) << "an item runs into the checksum";
            }
        }
    }
}

TEST(J1587Builder, ItemsOfEveryShapeCarryTheModelsValues) {
    VehicleModel v = DrivenFor(300.0);
    ASSERT_GT(v.RoadSpeedMph(), 50.0);
    auto fast = J1587Builder::Fast(v);
    auto slow = J1587Builder::Slow(v, {});
    fast.insert(fast.end(), slow.begin(), slow.end());
    Table t = Read(OnTheWire(fast));
    EXPECT_NEAR(OneByte(t, 128, 84) * 0.5, v.RoadSpeedMph(), 0.25);
    EXPECT_NEAR(OneByte(t, 128, 92) * 0.5, v.EngineLoadPercent(), 0.25);
    EXPECT_NEAR(OneByte(t, 128, 100) * 0.5, v.OilPressurePsi(), 0.25);
    EXPECT_NEAR(OneByte(t, 128, 110), v.CoolantF(), 0.5);
    EXPECT_NEAR(TwoBytes(t, 128, 190) * 0.25, v.EngineRpm(), 0.125);
    EXPECT_NEAR(TwoBytes(t, 128, 168) * 0.05, v.BatteryVolts(), 0.025);
    EXPECT_NEAR(TwoBytes(t, 128, 175) * 0.25, v.OilTempF(), 0.125);
    EXPECT_NEAR(TwoBytes(t, 128, 183) * 0.015624, v.FuelRateGph(), 0.008);
    EXPECT_NEAR(TwoBytes(t, 128, 184) / 256.0, v.EconomyMpg(), 0.002);
    EXPECT_NEAR(TwoBytes(t, 130, 177) * 0.25, v.TransmissionOilTempF(), 0.125);
    EXPECT_NEAR(TwoBytes(t, 130, 191) * 0.25, v.OutputShaftRpm(), 0.125);
    EXPECT_EQ(t.at(130).at(162), Bytes({'D', ' '}));
    EXPECT_EQ(t.at(130).at(163), Bytes({static_cast<std::uint8_t>('0' + v.Gear()), ' '}));
    EXPECT_EQ(t.at(128).at(245).size(), 4u);
    EXPECT_NEAR(decode::LittleEndian(t.at(128).at(245)) * 0.1, v.DistanceMiles(), 0.05);
    EXPECT_NEAR(decode::LittleEndian(t.at(128).at(247)) * 0.05, v.EngineHours(), 0.025);
    EXPECT_EQ(t.at(128).at(250).size(), 4u);
    EXPECT_NEAR(decode::LittleEndian(t.at(128).at(250)) * 0.125, v.FuelUsedGallons(), 0.0625);
    EXPECT_NEAR(TwoBytes(t, 128, 256 + 155) / 128.0, v.EgrDifferentialPsi(), 0.004);
    EXPECT_NEAR(OneByte(t, 136, 117) * 0.6, v.PrimaryAirPsi(), 0.3);
}

TEST(J1587Builder, DiagnosticItemsCarryEveryFaultWithItsFlags) {
    std::vector<J1587Fault> faults = {
        {.mid = 128, .code = 110, .fmi = 0, .occurrences = 1},
        {.mid = 130, .code = 2, .isSid = true, .fmi = 14, .inactive = true},
        {.mid = 140, .code = 84, .fmi = 2, .occurrences = 127},
        {.mid = 128, .code = 110, .fmi = 3, .expansion = true},
    };
    for (std::uint8_t code = 20; code < 27; ++code) {
        faults.push_back({.mid = 136, .code = code, .fmi = 5, .occurrences = code});
    }
    auto wire = OnTheWire(J1587Builder::Slow(DrivenFor(10.0), faults));
    std::vector<FaultKey> expected;
    for (const J1587Fault& f : faults) {
        expected.push_back(Key(f));
    }
    auto found = FaultsIn(wire);
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);
}

TEST(VehicleModel, EngineFollowsTheGearAndTotalsGrowWithTheDrive) {
    VehicleModel start;
    VehicleModel v = DrivenFor(300.0);
    ASSERT_GE(v.Gear(), 1);
    EXPECT_NEAR(v.EngineRpm(), v.OutputShaftRpm() * v.GearRatio(), 0.01);
    EXPECT_GT(v.CoolantF(), 150.0);
    EXPECT_GT(v.DistanceMiles(), start.DistanceMiles() + 1.0);
    EXPECT_GT(v.FuelUsedGallons(), start.FuelUsedGallons());
    EXPECT_NEAR(v.EngineHours() - start.EngineHours(), 300.0 / 3600.0, 0.001);
    VehicleModel stopped = DrivenFor(600.0);
    EXPECT_EQ(stopped.Gear(), 0);
    EXPECT_EQ(stopped.AttainedRange(), "N ");
}
