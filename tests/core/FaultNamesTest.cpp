#include <gtest/gtest.h>

#include <functional>

#include "core/diag/FaultNames.h"

using namespace rovik;

namespace {
using NameOf = std::function<std::string(std::uint32_t)>;

NameOf SubsystemOf(std::uint8_t mid) {
    return [mid](std::uint32_t sid) { return FaultNames::Subsystem(mid, sid); };
}

// Every text, named or not, must fill its column exactly, or the history's columns slip.
void FillTheirColumn(std::uint32_t first, std::uint32_t last, const NameOf& name,
                     std::size_t width = FaultNames::kComponentWidth) {
    std::uint32_t misfits = 0;
    for (std::uint64_t code = first; code <= last; ++code) {
        misfits += name(static_cast<std::uint32_t>(code)).size() != width;
    }
    EXPECT_EQ(misfits, 0u) << "texts not " << width << " wide in " << first << ".." << last;
}
}  // namespace

// The names at the edges show that a code is looked up in the right table, and that an SPN
// above 16 bits never wraps onto a name.
TEST(FaultNames, EachCodeIsLookedUpInItsOwnTableAndFillsItsColumn) {
    const NameOf component = FaultNames::Component;
    FillTheirColumn(0, 524287, component);
    FillTheirColumn(0, 255, FaultNames::FailureMode, FaultNames::kModeWidth);
    for (std::uint8_t mid : {128, 130, 136, 139, 0, 129}) {
        FillTheirColumn(0, 511, SubsystemOf(mid));
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
