#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/values/FreshnessTable.h"
#include "core/values/SharedValueBlock.h"

namespace rovik {

// The latest value of every PID from every source, with the source preference, the
// fallbacks and the ageing of stale values. The receive thread stores, the interface thread
// reads and ages; every shared word is atomic.
class ValueStore {
public:
    explicit ValueStore(const std::string& blockName = kSharedBlockName);

    // Stores a scaled value for a slot and an index below 256, bumps its update count and
    // makes it fresh again.
    void StoreValue(int slot, unsigned index, float value);
    // Keeps the first data bytes of an item, as many as the entry holds.
    void StoreRawBytes(int slot, unsigned index, const std::uint8_t* data, std::size_t count);
    // Counts an update and makes the entry fresh without touching its value, for items whose
    // meaning is in their raw bytes.
    void MarkUpdated(int slot, unsigned index);

    // Look-ups by PID number: below 256 through the preferred slot and its fallbacks,
    // 256..511 from the page-two slot, anything else has no value.
    double Value(unsigned pid) const;
    std::uint32_t UpdateCount(unsigned pid) const;
    const std::uint8_t* RawBytes(unsigned pid) const;

    // Direct reads of one slot, for numbers that name their source.
    double SlotValue(int slot, unsigned index) const;
    std::uint32_t SlotUpdateCount(int slot, unsigned index) const;
    const std::uint8_t* SlotRawBytes(int slot, unsigned index) const;

    // One second has passed: values of indexes 0..191 not stored for 15 seconds go absent.
    void Age();

    const SharedValueBlock& Block() const { return block; }

private:
    // The slot and index a PID number reads, or -1 for a number with no value.
    struct Entry {
        int slot;
        unsigned index;
    };
    Entry Locate(unsigned pid) const;

    SharedValueBlock block;
    FreshnessTable freshness;
};

}  // namespace rovik
