#include "core/values/ValueStore.h"

#include <algorithm>
#include <cstring>

#include "core/values/PreferredSourceTable.h"

namespace rovik {

namespace {
constexpr unsigned kPageTwoFirst = 256;
constexpr unsigned kPidLimit = 512;
// Indexes from here up hold multi-byte items such as totals, which never go stale.
constexpr unsigned kFirstLastingIndex = 192;
const std::uint8_t kNoRawBytes[kRawByteCount] = {};

int EntryNumber(int slot, unsigned index) {
    return slot * kIndexCount + static_cast<int>(index);
}
}  // namespace

ValueStore::ValueStore(const std::string& blockName) : block(blockName) {}

void ValueStore::StoreValue(int slot, unsigned index, float value) {
    block.Layout().values[EntryNumber(slot, index)].store(value, std::memory_order_relaxed);
    MarkUpdated(slot, index);
}

void ValueStore::MarkUpdated(int slot, unsigned index) {
    int entry = EntryNumber(slot, index);
    block.Layout().updateCounts[entry].fetch_add(1, std::memory_order_relaxed);
    freshness.Refresh(entry);
}

void ValueStore::StoreRawBytes(int slot, unsigned index, const std::uint8_t* data,
                               std::size_t count) {
    std::uint8_t* raw = block.Layout().rawBytes[EntryNumber(slot, index)];
    std::memcpy(raw, data, std::min<std::size_t>(count, kRawByteCount));
}

ValueStore::Entry ValueStore::Locate(unsigned pid) const {
    if (pid >= kPidLimit) {
        return {-1, 0};
    }
    if (pid >= kPageTwoFirst) {
        return {kPageTwoSlot, pid - kPageTwoFirst};
    }
    for (int slot : {PreferredSourceTable::SlotFor(pid), kTransmissionSlot, kEngineSlot}) {
        if (SlotUpdateCount(slot, pid) != 0) {
            return {slot, pid};
        }
    }
    return {kBrakesSlot, pid};
}

double ValueStore::Value(unsigned pid) const {
    Entry entry = Locate(pid);
    return entry.slot < 0 ? 0.0 : SlotValue(entry.slot, entry.index);
}

std::uint32_t ValueStore::UpdateCount(unsigned pid) const {
    Entry entry = Locate(pid);
    return entry.slot < 0 ? 0 : SlotUpdateCount(entry.slot, entry.index);
}

const std::uint8_t* ValueStore::RawBytes(unsigned pid) const {
    Entry entry = Locate(pid);
    return entry.slot < 0 ? kNoRawBytes : SlotRawBytes(entry.slot, entry.index);
}

double ValueStore::SlotValue(int slot, unsigned index) const {
    return block.Layout().values[EntryNumber(slot, index)].load(std::memory_order_relaxed);
}

std::uint32_t ValueStore::SlotUpdateCount(int slot, unsigned index) const {
    return block.Layout().updateCounts[EntryNumber(slot, index)].load(std::memory_order_relaxed);
}

const std::uint8_t* ValueStore::SlotRawBytes(int slot, unsigned index) const {
    return block.Layout().rawBytes[EntryNumber(slot, index)];
}

void ValueStore::Age() {
    SharedValueLayout& layout = block.Layout();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (unsigned index = 0; index < kFirstLastingIndex; ++index) {
            int entry = EntryNumber(slot, index);
            if (freshness.Age(entry)) {
                layout.updateCounts[entry].store(0, std::memory_order_relaxed);
                layout.values[entry].store(0.0f, std::memory_order_relaxed);
            }
        }
    }
}

}  // namespace rovik
