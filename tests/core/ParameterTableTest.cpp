#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/params/ParameterTable.h"
#include "core/values/ValueLookup.h"

using namespace rovik;

namespace {
class FixedValue : public ValueLookup {
public:
    double GetValue(unsigned) const override { return 3.0; }
    std::uint32_t GetUpdateCount(unsigned) const override { return 1; }
    const std::uint8_t* GetRawBytes(unsigned) const override { return nullptr; }
};

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(AtomicFile::Write(path, bytes));
}

// An old-format record: no marker, no format, offset or multiplier.
void WriteOldRecord(ByteWriter& writer, const std::string& name, std::uint8_t pid) {
    writer.WriteCString(name);
    writer.WriteCString("ABBR");
    writer.WriteCString("UNIT");
    writer.WriteU8(pid);
    for (int i = 0; i < 6; ++i) {
        writer.WriteFloat(static_cast<float>(i));
    }
}
}  // namespace

TEST(ParameterTable, MissingFileGivesTheDefaultParameterAndSaysSo) {
    TempFolder folder;
    ParameterTable table(folder.File("PARAMTRS.DAT"));
    EXPECT_EQ(table.Load(), ParameterTable::LoadResult::FileMissing);
    ASSERT_EQ(table.Size(), 1u);
    const Parameter& p = table.At(0);
    EXPECT_EQ(p.name, "ROAD SPEED");
    EXPECT_EQ(p.unit, "MPH");
    EXPECT_EQ(p.format, "%.1f");
    EXPECT_EQ(p.pid, 84);
    EXPECT_EQ(p.gaugeMaximum, 90.0f);
    EXPECT_EQ(p.lowYellowLine, -1.0f);
    EXPECT_EQ(p.highYellowLine, 55.0f);
    EXPECT_EQ(p.highRedLine, 70.0f);
}

TEST(ParameterTable, ZeroCountOrEmptyFileGivesTheDefaultWithoutComplaint) {
    TempFolder folder;
    for (std::vector<std::uint8_t> bytes :
         {std::vector<std::uint8_t>{0}, std::vector<std::uint8_t>{}}) {
        WriteFile(folder.File("PARAMTRS.DAT"), bytes);
        ParameterTable table(folder.File("PARAMTRS.DAT"));
        EXPECT_EQ(table.Load(), ParameterTable::LoadResult::Loaded);
        ASSERT_EQ(table.Size(), 1u);
        EXPECT_EQ(table.At(0).name, "ROAD SPEED");
    }
}

TEST(ParameterTable, OldRecordsLoadWithDefaultsAndSaveInTheCurrentFormat) {
    TempFolder folder;
    ByteWriter writer;
    writer.WriteU8(1);
    WriteOldRecord(writer, "OIL PRESSURE", 100);
    WriteFile(folder.File("PARAMTRS.DAT"), writer.Bytes());
    ParameterTable table(folder.File("PARAMTRS.DAT"));
    table.Load();
    ASSERT_EQ(table.Size(), 1u);
    EXPECT_EQ(table.At(0).name, "OIL PRESSURE");
    EXPECT_EQ(table.At(0).highRedLine, 5.0f);
    EXPECT_EQ(table.At(0).format, "%.1f");
    EXPECT_EQ(table.At(0).multiplier, 1.0f);
    ASSERT_TRUE(table.Save());
    auto saved = AtomicFile::Read(folder.File("PARAMTRS.DAT"));
    ASSERT_TRUE(saved);
    EXPECT_EQ((*saved)[1], '|');
}

TEST(ParameterTable, RoundTripKeepsEveryFieldAndPageTwoPids) {
    TempFolder folder;
    ParameterTable table(folder.File("PARAMTRS.DAT"));
    auto first = std::make_unique<Parameter>();
    first->name = "PAGE TWO";
    first->pid = 300;
    first->format = "%.0f rpm";
    first->offset = 2.0f;
    first->multiplier = 10.0f;
    table.Append(std::move(first));
    auto typed = std::make_unique<Parameter>();
    typed->pid = 600;
    table.Append(std::move(typed));
    ASSERT_TRUE(table.Save());
    auto bytes = AtomicFile::Read(folder.File("PARAMTRS.DAT"));
    std::string text(bytes->begin(), bytes->end());
    EXPECT_NE(text.find(std::string("MPH\0\xFF\x2C", 6)), std::string::npos);

    ParameterTable loaded(folder.File("PARAMTRS.DAT"));
    loaded.Load();
    ASSERT_EQ(loaded.Size(), 2u);
    EXPECT_EQ(loaded.At(0).pid, 300);
    EXPECT_EQ(loaded.At(0).format, "%.0f rpm");
    EXPECT_EQ(loaded.At(0).Value(FixedValue()), 50.0);
    EXPECT_EQ(loaded.At(1).pid, 344);
}

TEST(ParameterTable, FormatWithoutPercentBecomesTheDefault) {
    TempFolder folder;
    ParameterTable table(folder.File("PARAMTRS.DAT"));
    auto odd = std::make_unique<Parameter>();
    odd->format = "abc";
    table.Append(std::move(odd));
    table.Save();
    ParameterTable loaded(folder.File("PARAMTRS.DAT"));
    loaded.Load();
    EXPECT_EQ(loaded.At(0).format, "%.1f");
}

TEST(ParameterTable, FileCutInsideARecordKeepsTheCompleteOnes) {
    TempFolder folder;
    ParameterTable table(folder.File("PARAMTRS.DAT"));
    for (const char* name : {"ONE", "TWO", "THREE"}) {
        auto p = std::make_unique<Parameter>();
        p->name = name;
        table.Append(std::move(p));
    }
    table.Save();
    auto bytes = *AtomicFile::Read(folder.File("PARAMTRS.DAT"));
    for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
        WriteFile(folder.File("PARAMTRS.DAT"),
                  std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + cut));
        ParameterTable loaded(folder.File("PARAMTRS.DAT"));
        loaded.Load();
        ASSERT_GE(loaded.Size(), 1u);
        ASSERT_LE(loaded.Size(), 2u);
    }
}

TEST(ParameterTable, LookupsFallBackToTheLastEntry) {
    ParameterTable table;
    for (unsigned pid : {84u, 190u, 110u}) {
        auto p = std::make_unique<Parameter>();
        p->pid = static_cast<std::uint16_t>(pid);
        p->name = "P" + std::to_string(pid);
        table.Append(std::move(p));
    }
    EXPECT_EQ(table.FindByPid(190)->name, "P190");
    EXPECT_EQ(table.FindByPid(999)->name, "P110");
    EXPECT_FALSE(table.IsDefined(999));
    EXPECT_TRUE(table.IsDefined(84));
    EXPECT_EQ(table.FindByName("P84")->pid, 84);
    EXPECT_EQ(table.FindByName("p84")->pid, 110);
}

TEST(ParameterTable, SavesAtMostWhatTheCountByteCanSay) {
    TempFolder folder;
    ParameterTable table(folder.File("PARAMTRS.DAT"));
    for (int i = 0; i < 300; ++i) {
        table.Append(std::make_unique<Parameter>());
    }
    table.Save();
    ParameterTable loaded(folder.File("PARAMTRS.DAT"));
    loaded.Load();
    EXPECT_EQ(loaded.Size(), 255u);
}
