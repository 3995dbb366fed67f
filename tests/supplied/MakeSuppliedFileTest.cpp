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
                       "simple 8 16 168 152 #FF8000 pid=411 lamp=yes align=right\n"
                       "scan 176 16 336 152 #FFFFFF pids=102,177 dwell=3 graph=no\n"
                       "odometer 8 160 336 320 #FFFFFF file=Trip.trp horizontal=yes time=no\n"
                       "tank 344 160 672 320 #FFFFFF file=Tank.trp size=150.5 recent=no\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    SimpleGaugeRecord simple;
    simple.rect = {8, 16, 168, 152};
    simple.background = Rgb(255, 128, 0);
    simple.pid = 411;
    simple.showWarningLamp = true;
    simple.alignment = TextAlignment::Right;
    ScanGaugeRecord scan;
    scan.rect = {176, 16, 336, 152};
    scan.pid = 102;
    scan.scanList = {102, 177};
    scan.dwell = 3;
    scan.showGraph = false;
    OdometerRecord odometer;
    odometer.rect = {8, 160, 336, 320};
    odometer.tripFilePath = "Trip.trp";
    odometer.horizontal = true;
    odometer.showRunTime = false;
    TankMinderRecord tank;
    tank.rect = {344, 160, 672, 320};
    tank.tankFilePath = "Tank.trp";
    tank.tankSize = 150.5;
    tank.useRecentMpg = false;
    EXPECT_EQ(ScreenFile::Read(Made()),
              (Screen{{simple, scan, odometer, tank}, "", Rgb(0x10, 0x20, 0x30)}));
}

TEST_F(MakeSuppliedFile, RefusesAFaultyLineSayingWhereAndWhy) {
    const char* const kParameters = "parameters";
    const char* const kScreen = "screen";
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {kParameters, "84 | Road Speed | SPEED | MPH | %.0f | 0 | 90 | 0 | 0 | 55",
         "a parameter has 11 fields between '|' (13 with offset and multiplier), not 10"},
        {kParameters, "255 | Escape | E | X | %.0f | 0 | 90 | 0 | 0 | 55 | 75",
         "\"255\" is no PID (0 to 511, but not 255)"},
        {kParameters, "86 | Cruise | C | MPH | %d | 0 | 90 | 0 | 0 | 55 | 75",
         "the format \"%d\" does not print one number (as \"%.1f\" does)"},
        {kParameters, "86 | Cruise | C | MPH | %.0f | 0 | 9O | 0 | 0 | 55 | 75",
         "the gauge maximum \"9O\" is no number"},
        {kParameters, "86 | Cruise | C | MPH | %.0f | 90 | 90 | 0 | 0 | 55 | 75",
         "the gauge maximum must lie above the gauge minimum"},
        {kParameters, "84 | Speed again | S | MPH | %.0f | 0 | 90 | 0 | 0 | 55 | 75",
         "PID 84 is defined twice"},
        {kParameters, "86 | Road Speed | S | MPH | %.0f | 0 | 90 | 0 | 0 | 55 | 75",
         "the name \"Road Speed\" is used twice"},
        {kScreen, "dial 8 8 168 152 #FFFFFF",
         "\"dial\" is no panel kind (simple, scan, odometer, tank)"},
        {kScreen, "simple 8 8 168 #FFFFFF",
         "a panel is: kind left top right bottom #RRGGBB [option=value ...]"},
        {kScreen, "simple 8 8 168 #FFFFFF pid=84", "\"#FFFFFF\" is no coordinate (0 to 32768)"},
        {kScreen, "simple 168 8 8 152 #FFFFFF", "right must lie beyond left, and bottom below top"},
        {kScreen, "simple 8 8 168 152 #FFFFF", "\"#FFFFF\" is no colour (#RRGGBB)"},
        {kScreen, "simple 8 8 168 152 #FFFFFF lamp=maybe", "lamp=maybe: yes or no"},
        {kScreen, "simple 8 8 168 152 #FFFFFF colour=red",
         "\"colour\" is no option of simple panels"},
        {kScreen, "simple 8 8 168 152 #FFFFFF pid=84 pid=190", "the option pid is given twice"},
        {kScreen, "scan 8 8 168 152 #FFFFFF pids=102,,177",
         "pids=102,,177: PIDs (0 to 511, but not 255) separated by commas"},
        {kScreen, "odometer 8 8 168 152 #FFFFFF", "file=NAME is needed"},
        {kScreen, "tank 8 8 168 152 #FFFFFF file=T.trp size=1000",
         "size=1000: a number from 0 to 999"},
        {kScreen, "text-color black", "\"black\" is no colour (#RRGGBB)"},
    };
    for (const auto& [kind, line, reason] : cases) {
        std::filesystem::remove(Made());
        const std::string before =
            kind == kScreen ? "text-color #000000\n# a panel\n" : "# the table\n" + kSpeed;
        ToolRun run = Make(kind, before + line + "\n");
        EXPECT_EQ(run.status, 1) << line;
        EXPECT_EQ(run.errors, At(3, reason));
        EXPECT_FALSE(std::filesystem::exists(Made())) << line;
    }
}

TEST_F(MakeSuppliedFile, SaysWhenTheSourceCannotBeReadOrTheToolIsMisused) {
    EXPECT_EQ(Run("screen '" + folder.File("missing.txt") + "' '" + Made() + "'").status, 1);
    EXPECT_EQ(Run("odometer x").status, 2);
    EXPECT_FALSE(std::filesystem::exists(Made()));
}
