#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/Described.h"
#include "core/TempFolder.h"
#include "core/app/ScreenFile.h"
#include "core/params/ParameterTable.h"

using namespace rovik;

namespace {
struct ToolRun {
    int status = -1;
    std::string errors;
};

struct MakeSuppliedFile : ::testing::Test {
    // Runs the tool with these arguments: its exit status and what it said on its error stream.
    ToolRun Run(const std::string& arguments) {
        const int status = std::system(
            ("'" MAKE_SUPPLIED_FILE "' " + arguments + " 2>'" + folder.File("errors") + "'")
                .c_str());
        std::ifstream errors(folder.File("errors"));
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                {std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>()}};
    }
    // Runs the tool on a source of this text.
    ToolRun Make(const std::string& kind, const std::string& text) {
        std::ofstream(Source()) << text;
        return Run(kind + " '" + Source() + "' '" + Made() + "'");
    }
    // The message the tool gives for this line of the source.
    std::string At(int line, const std::string& reason) {
        return Source() + ":" + std::to_string(line) + ": " + reason + "\n";
    }
    std::string Source() { return folder.File("source.txt"); }
    std::string Made() { return folder.File("made"); }

    TempFolder folder;
};

const std::string kSpeed = "84 | Road Speed | SPEED | MPH | %.0f | 0 | 90 | 0 | 0 | 55 | 75\n";
}  // namespace

TEST_F(MakeSuppliedFile, MakesParametersInOrderWithTheirCorrections) {
    ToolRun run =
        Make("parameters", "# comment\n\n" + kSpeed +
                               "  411|EGR DP|DP|PSI|%.2f psi|0|10|1|2|8|9|-1.5|2\n"
                               "13 | Mode | TMODE |  | %.0f | 0 | 2 | 0.5 | 1.5 | 2.5 | 3.5\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    ParameterTable table(Made());
    ASSERT_EQ(table.Load(), ParameterTable::LoadResult::Loaded);
    ASSERT_EQ(table.Size(), 3u);
    EXPECT_EQ(Described(table.At(1)), "EGR DP|DP|PSI|%.2f psi|411|0..10|1 2 / 8 9|-1.5 x 2");
    EXPECT_EQ(Described(table.At(2)), "Mode|TMODE||%.0f|13|0..2|0.5 1.5 / 2.5 3.5|0 x 1");
}

TEST_F(MakeSuppliedFile, MakesAScreenWithNewPanelSettingsForOptionsLeftOut) {
    ToolRun run = Make("screen",
                       "text-color #102030\n"
                       "simple 8 16 168 152 #FF8000 pid=411 lamp=yes align=right\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    SimpleGaugeRecord simple;
    simple.rect = {8, 16, 168, 152};
    simple.background = Rgb(255, 128, 0);
    simple.pid = 411;
    simple.showWarningLamp = true;
    simple.alignment = TextAlignment::Right;
    EXPECT_EQ(ScreenFile::Read(Made()), (Screen{{simple}, "", Rgb(0x10, 0x20, 0x30)}));
}

// A faulty line stops the build with the file, line and reason, and leaves nothing made.
TEST_F(MakeSuppliedFile, RefusesAFaultyLineSayingWhereAndWhy) {
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"parameters",
         "# the table\n" + kSpeed + "84 | Again | S | MPH | %.0f | 0 | 90 | 0 | 0 | 55 | 75",
         "PID 84 is defined twice"},
        {"screen", "text-color #000000\n# a panel\nsimple 8 8 168 152 #FFFFF",
         "\"#FFFFF\" is no colour (#RRGGBB)"},
    };
    for (const auto& [kind, text, reason] : cases) {
        ToolRun run = Make(kind, text + "\n");
        EXPECT_EQ(run.status, 1) << text;
        EXPECT_EQ(run.errors, At(3, reason));
        EXPECT_FALSE(std::filesystem::exists(Made())) << text;
    }
}
