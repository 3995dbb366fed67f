#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "core/values/PreferredSourceTable.h"
#include "core/values/ValueStore.h"

using namespace rovik;

namespace {
std::string UniqueBlock() {
    return "/RovikShmTest-" + std::to_string(::getpid());
}

// Maps the block by name as another program would and reads the documented offsets.
int ReadFromChild(const std::string& name) {
    int fd = ::shm_open(name.c_str(), O_RDONLY, 0);
    if (fd < 0) {
        return 1;
    }
    void* mapped = ::mmap(nullptr, 38912, PROT_READ, MAP_SHARED, fd, 0);
    if (mapped == MAP_FAILED) {
        return 2;
    }
    const auto* bytes = static_cast<const unsigned char*>(mapped);
    std::uint32_t count = 0;
    float value = 0;
    std::memcpy(&count, bytes + (1 * 256 + 177) * 4, 4);
    std::memcpy(&value, bytes + 34816 + (1 * 256 + 177) * 4, 4);
    unsigned char raw = bytes[4096 + 1 * 7680 + 177 * 30];
    return count == 2 && value == 181.5f && raw == 0x5A ? 0 : 3;
}
}  // namespace

TEST(SharedValueBlock, AnotherProcessReadsValuesAtTheDocumentedOffsets) {
    std::string name = UniqueBlock();
    ValueStore store(name);
    ASSERT_TRUE(store.Block().IsShared());
    store.StoreValue(kTransmissionSlot, 177, 170.0f);
    store.StoreValue(kTransmissionSlot, 177, 181.5f);
    const std::uint8_t raw[] = {0x5A};
    store.StoreRawBytes(kTransmissionSlot, 177, raw, 1);
    pid_t child = ::fork();
    if (child == 0) {
        ::_exit(ReadFromChild(name));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(SharedValueBlock, BlockLeftByACrashedInstanceIsTakenOverQuietly) {
    std::string name = UniqueBlock() + "-left";
    pid_t child = ::fork();
    if (child == 0) {
        new ValueStore(name);
        ::_exit(0);  // leaves the block behind, as a crash would
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ValueStore next(name);
    EXPECT_EQ(next.Block().CreateError(), 0);
    EXPECT_TRUE(next.Block().IsShared());
}
