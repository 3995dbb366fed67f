#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

#include "core/values/PreferredSourceTable.h"
#include "core/values/ValueStore.h"

using namespace rovik;

namespace {
constexpr std::size_t kBlockSize = 38912;

std::string UniqueBlock() {
    return "/RovikShmTest-" + std::to_string(::getpid());
}

// Reads a word at an offset of the block mapped by name, as another program would.
template <typename Word>
Word ReadMapped(const std::string& name, std::size_t offset) {
    Word word{};
    int fd = ::shm_open(name.c_str(), O_RDONLY, 0);
    void* mapped = ::mmap(nullptr, kBlockSize, PROT_READ, MAP_SHARED, fd, 0);
    if (mapped != MAP_FAILED) {
        std::memcpy(&word, static_cast<const char*>(mapped) + offset, sizeof word);
        ::munmap(mapped, kBlockSize);
    }
    ::close(fd);
    return word;
}
}  // namespace

TEST(SharedValueBlock, AnotherProgramReadsValuesAtTheDocumentedOffsets) {
    ValueStore store(UniqueBlock());
    ASSERT_TRUE(store.Block().IsShared());
    store.StoreValue(kTransmissionSlot, 177, 170.0f);
    store.StoreValue(kTransmissionSlot, 177, 181.5f);
    const std::uint8_t raw[] = {0x5A, 0x33};
    store.StoreRawBytes(kTransmissionSlot, 177, raw, 2);
    const std::size_t entry = 1 * 256 + 177;
    EXPECT_EQ(ReadMapped<std::uint32_t>(UniqueBlock(), entry * 4), 2u);
    EXPECT_EQ(ReadMapped<float>(UniqueBlock(), 34816 + entry * 4), 181.5f);
    EXPECT_EQ(ReadMapped<std::uint16_t>(UniqueBlock(), 4096 + 1 * 7680 + 177 * 30), 0x335A);
}

TEST(SharedValueBlock, ASecondLiveInstanceIsReportedButSharesTheValues) {
    ValueStore first(UniqueBlock());
    EXPECT_EQ(first.Block().CreateError(), 0);
    ValueStore second(UniqueBlock());
    EXPECT_EQ(second.Block().CreateError(), SharedMemory::kAlreadyExists);
    second.StoreValue(kEngineSlot, 84, 10.0f);
    EXPECT_EQ(first.Value(84), 10.0);
}

TEST(SharedValueBlock, ABlockLeftByACrashedInstanceIsTakenOverQuietly) {
    const std::string name = UniqueBlock() + "-left";
    int left = ::shm_open(name.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::ftruncate(left, kBlockSize), 0);
    ::close(left);  // no live instance holds it any more
    ValueStore next(name);
    EXPECT_EQ(next.Block().CreateError(), 0);
    EXPECT_TRUE(next.Block().IsShared());
}
