#pragma once

#include <cstdint>

namespace rovik {

// Source slots of the value store.
inline constexpr int kEngineSlot = 0;
inline constexpr int kTransmissionSlot = 1;
inline constexpr int kBrakesSlot = 2;
inline constexpr int kPageTwoSlot = 3;

// Which source a page-one PID is read from first: the transmission for its own PIDs, the
// brakes for PID 49, the engine for everything else.
class PreferredSourceTable {
public:
    static int SlotFor(unsigned pid);
};

}  // namespace rovik
