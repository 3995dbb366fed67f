#include <gtest/gtest.h>

#include <optional>

#include "Described.h"
#include "TableWith.h"
#include "TempFolder.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/values/ValueLookup.h"

using namespace rovik;

namespace {
class FixedValue : public ValueLookup {
public:
    double GetValue(unsigned) const override { return 3.0; }
    std::uint32_t GetUpdateCount(unsigned) const override { return 1; }
    const std::uint8_t* GetRawBytes(unsigned) const override { return nullptr; }
};

struct ParameterTableTest : ::testing::Test {
    // The table a load of the file gives.
    ParameterTable Loaded() const {
        ParameterTable table(path);
        table.Load();
        return table;
    }
    // The file the table saves.
    std::vector<std::uint8_t> Saved(std::vector<Parameter> parameters) const {
        ParameterTable table(path);
        for (Parameter& parameter : parameters) {
            table.Append(std::make_unique<Parameter>(std::move(parameter)));
        }
        EXPECT_TRUE(table.Save());
        return AtomicFile::Read(path).value_or(std::vector<std::uint8_t>());
    }

    TempFolder folder;
    std::string path = folder.File("PARAMTRS.DAT");
};
}  // namespace

// Only a missing file is worth a word to the user.
TEST_F(ParameterTableTest, AFileWithoutRecordsGivesTheDefaultParameter) {
    using Bytes = std::optional<std::vector<std::uint8_t>>;
    const std::pair<Bytes, ParameterTable::LoadResult> cases[] = {
        {std::nullopt, ParameterTable::LoadResult::FileMissing},
        {std::vector<std::uint8_t>(), ParameterTable::LoadResult::Loaded},
        {std::vector<std::uint8_t>{0}, ParameterTable::LoadResult::Loaded},
    };
    for (const auto& [bytes, result] : cases) {
        if (bytes) {
            ASSERT_TRUE(AtomicFile::Write(path, *bytes));
        }
        ParameterTable table(path);
        EXPECT_EQ(table.Load(), result);
        ASSERT_EQ(table.Size(), 1u);
        EXPECT_EQ(Described(table.At(0)), "ROAD SPEED|SPEED|MPH|%.1f|84|0..90|-1 -1 / 55 70|0 x 1");
    }
}

TEST_F(ParameterTableTest, OldRecordsLoadWithDefaultsAndSaveInTheCurrentFormat) {
    // No marker, no format, offset or multiplier.
    ByteWriter writer;
    writer.WriteU8(1);
    for (const char* text : {"OIL PRESSURE", "ABBR", "UNIT"}) {
        writer.WriteCString(text);
    }
    writer.WriteU8(100);
    for (int i = 0; i < 6; ++i) {
        writer.WriteFloat(static_cast<float>(i));
    }
    ASSERT_TRUE(AtomicFile::Write(path, writer.Bytes()));
    ParameterTable table = Loaded();
    ASSERT_EQ(table.Size(), 1u);
    EXPECT_EQ(Described(table.At(0)), "OIL PRESSURE|ABBR|UNIT|%.1f|100|0..1|3 2 / 4 5|0 x 1");
    ASSERT_TRUE(table.Save());
    EXPECT_EQ(AtomicFile::Read(path)->at(1), '|');
}

TEST_F(ParameterTableTest, PageTwoPidsTakeTwoBytesAndCorrectionsApplyToTheValue) {
    Parameter pageTwo;
    pageTwo.pid = 300;
    pageTwo.offset = 2.0f;
    pageTwo.multiplier = 10.0f;
    Parameter beyond;
    beyond.pid = 600;
    const std::vector<std::uint8_t> bytes = Saved({pageTwo, beyond});
    EXPECT_NE(std::string(bytes.begin(), bytes.end()).find(std::string("MPH\0\xFF\x2C", 6)),
              std::string::npos);
    ParameterTable loaded = Loaded();
    EXPECT_EQ(loaded.At(0).Value(FixedValue()), 50.0);
    EXPECT_EQ(loaded.At(1).pid, 344);
}

TEST_F(ParameterTableTest, SavesAtMostWhatTheCountByteCanSayAndFormatsWithoutPercentFallBack) {
    std::vector<Parameter> many(300);
    many[0].format = "abc";
    Saved(many);
    ParameterTable loaded = Loaded();
    EXPECT_EQ(loaded.Size(), 255u);
    EXPECT_EQ(loaded.At(0).format, "%.1f");
}

TEST(ParameterTable, LookupsFallBackToTheLastEntry) {
    ParameterTable table = TableWith({84, 190, 110});
    EXPECT_EQ(table.FindByPid(190)->name, "PID 190");
    EXPECT_EQ(table.FindByPid(999)->name, "PID 110");
    EXPECT_EQ(table.FindByName("PID 84")->pid, 84);
    EXPECT_EQ(table.FindByName("pid 84")->pid, 110);
}
