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

// Runs the tool on a source of this text, with what it says on its error stream.
struct MakeSuppliedFile : ::testing::Test {
    ToolRun Make(const std::string& kind, const std::string& text) {
        std::ofstream(Source()) << text;
        std::string command = std::string("'") + MAKE_SUPPLIED_FILE + "' " + kind + " '" +
                              Source() + "' '" + Made() + "' 2>'" + folder.File("errors") + "'";
        int status = std::system(command.c_str());
        std::ifstream errors(folder.File("errors"));
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                {std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>()}};
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

TEST_F(MakeSuppliedFile, RefusesAFaultyParameterLineSayingWhereAndWhy) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"84 | Road Speed | SPEED | MPH | %.0f | 0 | 90 | 0 | 0 | 55\n",
         "a parameter has 11 fields between '|' (13 with offset and multiplier), not 10"},
        {"255 | Escape | E | X | %.0f | 0 | 90 | 0 | 0 | 55 | 75\n",
         "\"255\" is no PID (0 to 511, but not 255)"},
        {"86 | Cruise | C | MPH | %d | 0 | 90 | 0 | 0 | 55 | 75\n",
         "the format \"%d\" does not print one number (as \"%.1f\" does)"},
        {"86 | Cruise | C | MPH | %.0f | 0 | 9O | 0 | 0 | 55 | 75\n",
         "the gauge maximum \"9O\" is no number"},
        {"86 | Cruise | C | MPH | %.0f | 90 | 90 | 0 | 0 | 55 | 75\n",
         "the gauge maximum must lie above the gauge minimum"},
        {"84 | Speed again | S | MPH | %.0f | 0 | 90 | 0 | 0 | 55 | 75\n",
         "PID 84 is defined twice"},
        {"86 | Road Speed | S | MPH | %.0f | 0 | 90 | 0 | 0 | 55 | 75\n",
         "the name \"Road Speed\" is used twice"},
    };
    for (const auto& [line, reason] : cases) {
        std::filesystem::remove(Made());
        ToolRun run = Make("parameters", "# the table\n" + kSpeed + line);
        EXPECT_EQ(run.status, 1) << line;
        EXPECT_EQ(run.errors, At(3, reason));
        EXPECT_FALSE(std::filesystem::exists(Made())) << line;
    }
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

TEST_F(MakeSuppliedFile, RefusesAFaultyScreenLineSayingWhereAndWhy) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"dial 8 8 168 152 #FFFFFF", "\"dial\" is no panel kind (simple, scan, odometer, tank)"},
        {"simple 8 8 168 #FFFFFF",
         "a panel is: kind left top right bottom #RRGGBB [option=value ...]"},
        {"simple 8 8 168 #FFFFFF pid=84", "\"#FFFFFF\" is no coordinate (0 to 32768)"},
        {"simple 168 8 8 152 #FFFFFF", "right must lie beyond left, and bottom below top"},
        {"simple 8 8 168 152 #FFFFF", "\"#FFFFF\" is no colour (#RRGGBB)"},
        {"simple 8 8 168 152 #FFFFFF lamp=maybe", "lamp=maybe: yes or no"},
        {"simple 8 8 168 152 #FFFFFF colour=red", "\"colour\" is no option of simple panels"},
        {"simple 8 8 168 152 #FFFFFF pid=84 pid=190", "the option pid is given twice"},
        {"scan 8 8 168 152 #FFFFFF pids=102,,177",
         "pids=102,,177: PIDs (0 to 511, but not 255) separated by commas"},
        {"odometer 8 8 168 152 #FFFFFF", "file=NAME is needed"},
        {"tank 8 8 168 152 #FFFFFF file=T.trp size=1000", "size=1000: a number from 0 to 999"},
        {"text-color black", "\"black\" is no colour (#RRGGBB)"},
    };
    for (const auto& [line, reason] : cases) {
        std::filesystem::remove(Made());
        ToolRun run = Make("screen", "text-color #000000\n# a panel\n" + line + "\n");
        EXPECT_EQ(run.status, 1) << line;
        EXPECT_EQ(run.errors, At(3, reason));
        EXPECT_FALSE(std::filesystem::exists(Made())) << line;
    }
}

TEST_F(MakeSuppliedFile, SaysWhenTheSourceCannotBeReadOrTheToolIsMisused) {
    std::string command = std::string("'") + MAKE_SUPPLIED_FILE + "' screen '" +
                          folder.File("missing.txt") + "' '" + Made() + "' 2>/dev/null";
    int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    status =
        std::system((std::string("'") + MAKE_SUPPLIED_FILE + "' odometer x 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_FALSE(std::filesystem::exists(Made()));
}
