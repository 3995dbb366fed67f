#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/SharedMemory.h"

namespace rovik {

inline constexpr const char* kSharedBlockName = "/RovikSharedMemory";
inline constexpr int kSlotCount = 4;
inline constexpr int kIndexCount = 256;
inline constexpr int kRawByteCount = 30;

// The byte layout other processes read: update counts, raw bytes, then scaled values, each
// indexed by slot * 256 + index. Counts and values are whole 32-bit words so a reader in
// another thread or process never sees half a store.
struct SharedValueLayout {
    std::atomic<std::uint32_t> updateCounts[kSlotCount * kIndexCount];
    std::uint8_t rawBytes[kSlotCount * kIndexCount][kRawByteCount];
    std::atomic<float> values[kSlotCount * kIndexCount];
};

static_assert(std::atomic<std::uint32_t>::is_always_lock_free);
static_assert(std::atomic<float>::is_always_lock_free);
static_assert(sizeof(std::atomic<float>) == 4 && sizeof(std::atomic<std::uint32_t>) == 4);
static_assert(offsetof(SharedValueLayout, rawBytes) == 4096);
static_assert(offsetof(SharedValueLayout, values) == 34816);
static_assert(sizeof(SharedValueLayout) == 38912);

// The value store's memory: the named shared block when the system gives it, otherwise a
// private block of the same layout so the program still works on its own. A second running
// instance gets a private block: it must not clear or write the first one's values.
class SharedValueBlock {
public:
    explicit SharedValueBlock(const std::string& name = kSharedBlockName);
    ~SharedValueBlock();
    SharedValueBlock(const SharedValueBlock&) = delete;
    SharedValueBlock& operator=(const SharedValueBlock&) = delete;

    SharedValueLayout& Layout() { return *layout; }
    const SharedValueLayout& Layout() const { return *layout; }
    // What went wrong creating or mapping the named block (0 when nothing did).
    int CreateError() const { return memory.CreateError(); }
    int MapError() const { return memory.MapError(); }
    bool IsShared() const { return memory.Data() != nullptr; }

private:
    SharedMemory memory;
    std::unique_ptr<SharedValueLayout> privateBlock;
    SharedValueLayout* layout = nullptr;
};

}  // namespace rovik
