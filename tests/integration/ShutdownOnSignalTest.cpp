#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "core/TempFolder.h"
#include "core/diag/DiagnosticHistory.h"
#include "support/ChildProcess.h"
#include "vxbsim/DemoDrive.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/RecordingEndpoint.h"

using namespace rovik;

namespace {
// A minute of a VX100 whose engine reports its coolant too hot from the first second on.
std::string DriveWithAFault() {
    vxbsim::RecordingEndpoint log;
    vxbsim::Emulator box(vxbsim::BoxModel::Vx100, log);
    box.RaiseFault(vxbsim::DemoDrive::CoolantFault());
    for (int tick = 0; tick < 600; ++tick) {
        box.Tick();
    }
    return vxbsim::DemoDrive::kRawLogHeader + log.Recorded();
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The total distance of ODOMETER.DAT, or 0 while it holds less.
double Distance(const std::string& totals) {
    double distance = 0.0;
    if (totals.size() >= sizeof distance) {
        std::memcpy(&distance, totals.data(), sizeof distance);
    }
    return distance;
}

}  // namespace

// The system ends the program while it plays a drive: it shuts down as File Exit does,
// exits 0, and leaves every file it keeps whole and no temporary file behind.
TEST(ShutdownOnSignal, SigtermDuringPlaybackLeavesEveryFileWhole) {
    TempFolder folder;
    for (const char* name :
         {"PARAMTRS.DAT", "DEFAULT.SCR", "Caterpillar 3126 250", "Trip.trp.TXT"}) {
        std::filesystem::copy_file(std::string(ROVIK_SUPPLIED_DIR "/") + name, folder.File(name));
    }
    std::ofstream(folder.File("drive.rvk"), std::ios::binary) << DriveWithAFault();
    // Totals from an earlier run, so the trip and the tank start as the screen is read.
    const double earlier[3] = {1.0, 1.0, 1.0};
    std::ofstream(folder.File("ODOMETER.DAT"), std::ios::binary)
        .write(reinterpret_cast<const char*>(earlier), sizeof earlier);
    const std::string history = Contents(folder.File("Trip.trp.TXT"));
    test::ChildProcess program(
        [&folder](test::ChildProcess&) {
            std::filesystem::current_path(folder.Path());
            ::execl(ROVIK_PROGRAM, "rovik", "demo=drive.rvk", nullptr);
            return 127;
        },
        60);
    // Playing: the drive's totals and its fault have been written. (Another copy of the
    // program running on this machine makes this one show a message first, which the
    // signal must not wait for either.)
    const std::string header = DiagnosticHistory::kHeader;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return Distance(Contents(folder.File("ODOMETER.DAT"))) > 400000.0 &&
                   Contents(folder.File("DIAGNOSTICS.TXT")).size() > header.size();
        },
        30000));
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(), 0);

    const std::string totals = Contents(folder.File("ODOMETER.DAT"));
    EXPECT_EQ(totals.size(), 24u);
    EXPECT_NEAR(Distance(totals), 412345.6, 10.0);
    EXPECT_EQ(Contents(folder.File("Trip.trp")).size(), 24u);
    EXPECT_EQ(Contents(folder.File("Tank.trp")).size(), 16u);
    EXPECT_EQ(Contents(folder.File("Trip.trp.TXT")), history);
    const std::string faults = Contents(folder.File("DIAGNOSTICS.TXT"));
    EXPECT_EQ(faults.substr(0, header.size()), header);
    EXPECT_EQ(faults.substr(faults.size() - 2), "\r\n");
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, (std::set<std::string>{"PARAMTRS.DAT", "DEFAULT.SCR", "Caterpillar 3126 250",
                                            "Trip.trp.TXT", "drive.rvk", "ODOMETER.DAT", "Trip.trp",
                                            "Tank.trp", "DIAGNOSTICS.TXT"}));
}
