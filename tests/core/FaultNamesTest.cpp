#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/diag/FaultNames.h"

using namespace rovik;

namespace {
using NameOf = std::function<std::string(std::uint32_t)>;

std::string Padded(std::string text, std::size_t width = FaultNames::kComponentWidth) {
    text.resize(width, ' ');
    return text;
}

const std::string kUnknown = Padded("UNKNOWN COMPONENT");

// How many codes from first to last have a name of their own; every text, named or not,
// must fill its column exactly.
std::size_t NamedIn(std::uint32_t first, std::uint32_t last, const NameOf& name,
                    const std::string& unknown = kUnknown) {
    std::size_t named = 0;
    std::uint32_t misfits = 0;
    for (std::uint64_t code = first; code <= last; ++code) {
        const std::string text = name(static_cast<std::uint32_t>(code));
        named += text != unknown;
        misfits += text.size() != unknown.size();
    }
    EXPECT_EQ(misfits, 0u) << "texts not " << unknown.size() << " wide in " << first << ".."
                           << last;
    return named;
}

NameOf SubsystemOf(std::uint8_t mid) {
    return [mid](std::uint32_t sid) { return FaultNames::Subsystem(mid, sid); };
}

struct Spot {
    std::uint32_t code;
    const char* name;  // nullptr: no name of its own
};

void ExpectSpots(const NameOf& name, std::initializer_list<Spot> spots) {
    for (const Spot& spot : spots) {
        EXPECT_EQ(name(spot.code), spot.name ? Padded(spot.name) : kUnknown) << spot.code;
    }
}
}  // namespace

TEST(FaultNames, ComponentsByPidPageTwoPidAndSpn) {
    const NameOf component = FaultNames::Component;
    EXPECT_EQ(NamedIn(0, 255, component), 224u);
    EXPECT_EQ(NamedIn(256, 511, component), 51u);
    EXPECT_EQ(NamedIn(512, 65535, component), 133u);
    // An SPN above 16 bits is its own component, never a named one that wrapped around.
    EXPECT_EQ(NamedIn(65536, 524287, component), 0u);
    ExpectSpots(component, {{0, nullptr},
                            {2, "Transmitter System Status"},
                            {19, "Ext. Range Engine Oil Pressure"},
                            {110, "Engine Coolant Temperature"},
                            {253, "Elapsed Time"},
                            {255, nullptr},
                            {256, "Parameter Request"},
                            {446, "Cylinder Head Temperature A"},
                            {511, nullptr},
                            {524, "Transmission Select Gear"},
                            {3719, "DPF 1 Soot Load"},
                            {4097, "DPF Fuel Drain"},
                            {4098, nullptr},
                            {65536 + 110, nullptr},
                            {0xFFFFFFFF, nullptr}});
}

TEST(FaultNames, SubsystemsByTheReportingControllerAndCommonOnesForAll) {
    const std::pair<std::uint8_t, std::size_t> own[] = {{128, 135}, {130, 61}, {136, 80}, {137, 80},
                                                        {138, 80},  {139, 80}, {0, 0},    {129, 0},
                                                        {135, 0},   {140, 0},  {255, 0}};
    for (auto [mid, count] : own) {
        SCOPED_TRACE(::testing::Message() << "MID " << int(mid));
        EXPECT_EQ(NamedIn(0, 215, SubsystemOf(mid)), count);
        EXPECT_EQ(NamedIn(216, 511, SubsystemOf(mid)), 38u);
        ExpectSpots(SubsystemOf(mid),
                    {{216, "Other ECUs Reporting Faults"}, {254, "Controller #1"}, {255, nullptr}});
    }
    ExpectSpots(SubsystemOf(128), {{1, "Injector Cylinder #1"},
                                   {117, "Engine Shut Down by Data Link"},
                                   {118, nullptr},
                                   {129, "Exhaust Temp  #1 Sensor Volts"},
                                   {147, "VNT Vanes / EGR"},
                                   {148, nullptr}});
    ExpectSpots(SubsystemOf(130), {{0, nullptr},
                                   {1, "C1 Solenoid Valve"},
                                   {61, "Aux Splitter Mechanical System"},
                                   {62, nullptr}});
    ExpectSpots(
        SubsystemOf(139),
        {{1, "Wheel Sensor ABS Axle 1 Left"}, {80, "Vehicle Deceleration Control"}, {81, nullptr}});
    ExpectSpots(SubsystemOf(129), {{1, nullptr}});
}

TEST(FaultNames, FailureModesFillSixteenColumns) {
    const std::string unknown = Padded("UNKNOWN MODE", FaultNames::kModeWidth);
    const NameOf mode = FaultNames::FailureMode;
    EXPECT_EQ(NamedIn(0, 255, mode, unknown), 20u);
    EXPECT_EQ(NamedIn(0xFFFFFF00, 0xFFFFFFFF, mode, unknown), 0u);
    const std::pair<std::uint32_t, const char*> spots[] = {{0, "High Reading"},
                                                           {13, "Calibratn Error"},
                                                           {16, "High Reading"},
                                                           {18, "Low Reading"},
                                                           {19, "Bad Network Data"}};
    for (auto [fmi, text] : spots) {
        EXPECT_EQ(FaultNames::FailureMode(fmi), Padded(text, FaultNames::kModeWidth)) << fmi;
    }
}
