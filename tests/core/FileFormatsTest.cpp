#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FileFormats.h"
#include "TempFolder.h"
#include "core/io/AtomicFile.h"
#include "support/FileSizeLimit.h"

using namespace rovik;
using namespace rovik::test;

namespace {
// Without the temporary file and the flush to disk of the program's writes: a test writes
// hundreds of cut files.
void Put(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

template <class Format>
struct FileFormat : ::testing::Test {
    std::string ReadStates(const typename Format::Value& full) const {
        return Format::States(Format::Read(path), full);
    }
    std::ptrdiff_t FilesInFolder() const {
        auto entries = std::filesystem::directory_iterator(folder.Path());
        return std::distance(begin(entries), end(entries));
    }

    TempFolder folder;
    std::string path = folder.File("file");
};

struct FormatName {
    template <class Format>
    static std::string GetName(int) {
        return Format::kName;
    }
};

using Formats = ::testing::Types<SettingsDat, ScreenFileFormat, ParametersDat, OdometerDat,
                                 TripFileFormat, TankFileFormat, TiresDat, AlarmsDat, MessageDat>;
TYPED_TEST_SUITE(FileFormat, Formats, FormatName);
}  // namespace

TYPED_TEST(FileFormat, ReadsBackWhatItWroteAndLeavesNoOtherFile) {
    const auto sample = TypeParam::Sample();
    ASSERT_TRUE(TypeParam::Write(this->path, sample));
    const std::string states = this->ReadStates(sample);
    EXPECT_EQ(states, std::string(states.size(), 'R'));
    EXPECT_EQ(this->FilesInFolder(), 1);
    // Otherwise a field lost to a cut could not be told from one read.
    EXPECT_EQ(TypeParam::States(typename TypeParam::Value{}, sample),
              std::string(states.size(), 'D'));
}

TYPED_TEST(FileFormat, ACutFileKeepsWhatCameBeforeTheCutAndTheDefaultsOfTheRest) {
    const auto sample = TypeParam::Sample();
    ASSERT_TRUE(TypeParam::Write(this->path, sample));
    const Bytes whole = *AtomicFile::Read(this->path);
    std::size_t readBefore = 0;
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(::testing::Message() << "cut at " << length << " of " << whole.size());
        Put(this->path, Bytes(whole.begin(), whole.begin() + length));
        const std::string states = this->ReadStates(sample);
        const std::size_t read = std::min(states.find_first_not_of('R'), states.size());
        ASSERT_EQ(states, std::string(read, 'R') + std::string(states.size() - read, 'D'));
        ASSERT_LT(read, states.size());
        ASSERT_GE(read, readBefore);
        readBefore = read;
    }
}

TYPED_TEST(FileFormat, AWriteThatFailsLeavesTheOldFileWhole) {
    const Bytes old = {'o', 'l', 'd'};
    ASSERT_TRUE(AtomicFile::Write(this->path, old));
    bool written = true;
    {
        FileSizeLimit limit(8);
        written = TypeParam::Write(this->path, TypeParam::Sample());
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(AtomicFile::Read(this->path), old);
    EXPECT_EQ(this->FilesInFolder(), 1);
}
