#include <gtest/gtest.h>

#include <functional>

#include "core/diag/FaultNames.h"

using namespace rovik;

namespace {
using NameOf = std::function<std::string(std::uint32_t)>;

NameOf SubsystemOf(std::uint8_t mid) {
    return [mid](std::uint32_t sid) { return FaultNames::Subsystem(mid, sid); };
}

// How many codes from first to last have a name of their own; every text, named or not,
// must fill its column exactly.
std::size_t NamedIn(std::uint32_t first, std::uint32_t last, const NameOf& name,
                    std::size_t width = FaultNames::kComponentWidth) {
    const std::string unknown = name(0xFFFFFFFF);
    std::size_t named = 0;
    std::uint32_t misfits = 0;
    for (std::uint64_t code = first; code <= last; ++code) {
        const std::string text = name(static_cast<std::uint32_t>(code));
        named += text != unknown;
        misfits += text.size() != width;
    }
    EXPECT_EQ(misfits, 0u) << "texts not " << width << " wide in " << first << ".." << last;
    return named;
}
}  // namespace

// The counts pin where each table starts and ends; the names at the edges show that a code
// is looked up in the right table, and that an SPN above 16 bits never wraps onto a name.
TEST(FaultNames, EachCodeIsLookedUpInItsOwnTableAndFillsItsColumn) {
    const NameOf component = FaultNames::Component;
    EXPECT_EQ(NamedIn(0, 255, component), 224u);
    EXPECT_EQ(NamedIn(256, 511, component), 51u);
    EXPECT_EQ(NamedIn(512, 65535, component), 133u);
    EXPECT_EQ(NamedIn(65536, 524287, component), 0u);
    EXPECT_EQ(NamedIn(0, 255, FaultNames::FailureMode, FaultNames::kModeWidth), 20u);
    const std::pair<std::uint8_t, std::size_t> own[] = {{128, 135}, {130, 61}, {136, 80},
                                                        {139, 80},  {0, 0},    {129, 0}};
    for (auto [mid, count] : own) {
        SCOPED_TRACE(::testing::Message() << "MID " << int(mid));
        EXPECT_EQ(NamedIn(0, 215, SubsystemOf(mid)), count);
        EXPECT_EQ(NamedIn(216, 511, SubsystemOf(mid)), 38u) << "the ones common to all";
    }
    struct Spot {
        NameOf name;
        std::uint32_t code;
        const char* text;  // nullptr: no name of its own
    };
    const Spot spots[] = {
        {component, 2, "Transmitter System Status"},
        {component, 256, "Parameter Request"},
        {component, 4097, "DPF Fuel Drain"},
        {component, 65536 + 110, nullptr},
        {SubsystemOf(130), 61, "Aux Splitter Mechanical System"},
        {SubsystemOf(255), 216, "Other ECUs Reporting Faults"},
    };
    for (const Spot& spot : spots) {
        std::string want = spot.text ? spot.text : "UNKNOWN COMPONENT";
        want.resize(FaultNames::kComponentWidth, ' ');
        EXPECT_EQ(spot.name(spot.code), want) << spot.code;
    }
    // J1939's extra modes map onto the J1587 texts.
    const std::pair<std::uint32_t, const char*> modes[] = {{16, "High Reading"},
                                                           {0xFFFFFFFF, "UNKNOWN MODE"}};
    for (auto [fmi, text] : modes) {
        std::string want = text;
        want.resize(FaultNames::kModeWidth, ' ');
        EXPECT_EQ(FaultNames::FailureMode(fmi), want) << fmi;
    }
}
