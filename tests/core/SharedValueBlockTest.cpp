#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <optional>

#include "TempFolder.h"
#include "WorkingFolder.h"
#include "core/app/CommandLine.h"
#include "core/app/Dashboard.h"
#include "core/values/Pids.h"
#include "core/values/PreferredSourceTable.h"
#include "core/values/ValueStore.h"
#include "support/ChildProcess.h"

using namespace rovik;

namespace {
std::string UniqueBlock() {
    return "/RovikShmTest-" + std::to_string(::getpid());
}

struct Entry {
    std::uint32_t count;
    float value;
    std::uint8_t firstRawByte;
    bool operator==(const Entry&) const = default;
};

// One entry of the named block as any other program reads it, at the offsets of the
// documented layout; none when the block cannot be mapped.
std::optional<Entry> ReadEntry(const std::string& name, int slot, unsigned index) {
    int fd = ::shm_open(name.c_str(), O_RDONLY, 0);
    if (fd < 0) {
        return std::nullopt;
    }
    void* mapped = ::mmap(nullptr, 38912, PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    if (mapped == MAP_FAILED) {
        return std::nullopt;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(mapped);
    const unsigned word = (slot * 256 + index) * 4;
    Entry entry{};
    std::memcpy(&entry.count, bytes + word, 4);
    std::memcpy(&entry.value, bytes + 34816 + word, 4);
    entry.firstRawByte = bytes[4096 + slot * 7680 + index * 30];
    ::munmap(mapped, 38912);
    return entry;
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
    test::ChildProcess reader([&](test::ChildProcess&) {
        return ReadEntry(name, kTransmissionSlot, 177) == Entry{2, 181.5f, 0x5A} ? 0 : 1;
    });
    EXPECT_EQ(reader.Wait(), 0);
}

TEST(SharedValueBlock, BlockLeftByACrashedInstanceIsTakenOverQuietly) {
    std::string name = UniqueBlock() + "-left";
    // Ends without its destructors, as a crash would, and leaves the block behind.
    test::ChildProcess crashed([&](test::ChildProcess&) {
        new ValueStore(name);
        return 0;
    });
    ASSERT_EQ(crashed.Wait(), 0);
    ValueStore next(name);
    EXPECT_EQ(next.Block().CreateError(), 0);
    EXPECT_TRUE(next.Block().IsShared());
}

// A second copy of the program, started in another folder while the first runs, is told so,
// keeps its values in a block of its own and never touches the first one's.
TEST(SharedValueBlock, TwoInstancesSideBySideKeepTheirValuesApart) {
    const std::string block = UniqueBlock() + "-instances";
    TempFolder folder;
    auto instance = [&](const std::string& name, float roadSpeed, const std::string& told) {
        return [=, &folder](test::ChildProcess& self) {
            std::filesystem::create_directory(folder.File(name));
            WorkingFolder inside(folder.File(name));
            Dashboard dashboard(block);
            std::string troubles;
            for (const Notice& notice : dashboard.Start(CommandLine("rovik demo=none.rvk"))) {
                troubles += notice.caption == "Troubleshooting" ? notice.text : "";
            }
            dashboard.Values()->Store().StoreValue(kEngineSlot, pid::kRoadSpeed, roadSpeed);
            self.SayReady();
            self.AwaitFinish();
            const bool ownValue = dashboard.Values()->GetValue(pid::kRoadSpeed) == roadSpeed;
            return (troubles == told ? 0 : 1) + (ownValue ? 0 : 2);
        };
    };
    test::ChildProcess first(instance("first", 55.0f, ""));
    ASSERT_TRUE(first.AwaitReady());
    test::ChildProcess second(
        instance("second", 20.0f, "Failure Initializing Shared File.  Result = 0x00B7"));
    ASSERT_TRUE(second.AwaitReady());
    EXPECT_EQ(ReadEntry(block, kEngineSlot, pid::kRoadSpeed), (Entry{1, 55.0f, 0}));
    first.Finish();
    second.Finish();
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(second.Wait(), 0);
}
