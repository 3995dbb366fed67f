#include "platform/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "core/TempFolder.h"
#include "platform/AppendFile.h"
#include "support/FileSizeLimit.h"

namespace rovik {
namespace {

using test::FileSizeLimit;

using Bytes = std::vector<std::uint8_t>;

// Bytes that differ from chunk to chunk, so a chunk read twice or lost shows.
Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 4096);
    }
    return bytes;
}

Bytes BytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

std::set<std::string> Names(const TempFolder& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// What Replace writes reads back whole; a Replace that fails keeps the old file, and neither
// leaves a temporary file behind.
TEST(FileSystemTest, ReplaceWritesTheWholeFileOrKeepsTheOldOne) {
    TempFolder folder;
    const std::string path = folder.File("DATA");
    for (std::size_t size : {0, 1, 4095, 4096, 8192, 10000}) {
        Bytes bytes = Pattern(size);
        ASSERT_TRUE(FileSystem::Replace(path, bytes));
        EXPECT_EQ(FileSystem::ReadAll(path), bytes) << size;
    }
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
    {
        FileSizeLimit limit(100);
        EXPECT_FALSE(FileSystem::Replace(path, Pattern(1000)));
    }
    std::filesystem::create_directory(folder.File("FOLDER"));
    EXPECT_FALSE(FileSystem::Replace(folder.File("FOLDER"), BytesOf("new")));
    EXPECT_FALSE(FileSystem::Replace(folder.File("MISSING/DATA"), BytesOf("new")));
    EXPECT_EQ(FileSystem::ReadAll(path), Pattern(10000));
    EXPECT_EQ(Names(folder), (std::set<std::string>{"DATA", "FOLDER"}));
}

// ReadStart stops at the count or the end; neither read takes what is no regular file.
TEST(FileSystemTest, ReadStartStopsAtTheCountOrTheEndAndReadsOfWhatIsNoFileFail) {
    TempFolder folder;
    const std::string path = folder.File("CURVE");
    const Bytes bytes = Pattern(10);
    ASSERT_TRUE(FileSystem::Replace(path, bytes));
    EXPECT_EQ(FileSystem::ReadStart(path, 4), Bytes(bytes.begin(), bytes.begin() + 4));
    EXPECT_EQ(FileSystem::ReadStart(path, 20), bytes);
    const std::string pipe = folder.File("PIPE");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& what : {folder.File("MISSING"), folder.Path().string(), pipe}) {
        EXPECT_FALSE(FileSystem::ReadStart(what, 4)) << what << ": a pipe must not hold us";
        if (what != pipe) {
            EXPECT_FALSE(FileSystem::ReadAll(what)) << what;
        }
    }
}

TEST(FileSystemTest, CreateNewNeverTouchesAFileThatIsThere) {
    TempFolder folder;
    const std::string path = folder.File("HISTORY");
    EXPECT_FALSE(FileSystem::CreateNew(path, "first"));
    EXPECT_EQ(FileSystem::CreateNew(path, "second"), std::errc::file_exists);
    EXPECT_EQ(FileSystem::ReadAll(path), BytesOf("first"));
    {
        FileSizeLimit limit(3);
        EXPECT_TRUE(FileSystem::CreateNew(folder.File("CUT"), "too long"));
    }
    EXPECT_FALSE(FileSystem::Exists(folder.File("CUT"))) << "half a file is taken away";
    EXPECT_TRUE(FileSystem::Exists(path));
}

TEST(AppendFileTest, AddsAtTheEndOfAFileThatIsThereAndTakesBack) {
    TempFolder folder;
    const std::string path = folder.File("HISTORY");
    AppendFile file;
    EXPECT_EQ(file.Open(path), std::errc::no_such_file_or_directory);
    EXPECT_FALSE(FileSystem::Exists(path)) << "an append never makes the file";

    ASSERT_FALSE(FileSystem::CreateNew(path, ""));
    ASSERT_FALSE(file.Open(path));
    EXPECT_EQ(file.LastByte(), std::nullopt);
    ASSERT_FALSE(file.Write("ab"));
    ASSERT_FALSE(file.Close());

    ASSERT_FALSE(file.Open(path));
    EXPECT_EQ(file.LastByte(), 'b');
    ASSERT_FALSE(file.Write("cd"));
    ASSERT_TRUE(file.TakeBack());
    ASSERT_FALSE(file.Write("ef"));
    ASSERT_FALSE(file.Close());
    EXPECT_EQ(FileSystem::ReadAll(path), BytesOf("abef"));
}

}  // namespace
}  // namespace rovik
