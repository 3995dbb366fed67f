#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "Waiting.h"
#include "core/params/ParameterTable.h"
#include "core/params/PidSniffer.h"
#include "support/PlayToTheEnd.h"
#include "support/TestLink.h"
#include "vxbsim/DemoDrive.h"

using namespace rovik;

// The sniffer's listing of two minutes of the emulator's drive, replayed: the numbers the
// program derives go by their own names, the vehicle's by their components'.
TEST(SnifferWithEmulator, ListsWhatTheDriveSendsByNameWithItsRawValue) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("rovik-sniffer-" + std::to_string(::getpid()) + ".rvk");
    std::ofstream(path, std::ios::binary) << vxbsim::DemoDrive::Record(2);
    test::TestLink parts(test::UniqueBlock(), true);
    parts.link.SetPortName(path.string());
    parts.link.SetConnectionType(ConnectionType::Vx100Serial);
    test::PlayToTheEnd(parts.link);
    std::filesystem::remove(path);

    ParameterTable table("unused");
    table.Append(std::make_unique<Parameter>());
    std::map<unsigned, std::string> lines;
    unsigned last = 0;
    for (const PidSniffer::Line& line : PidSniffer::Lines(parts.values, table)) {
        EXPECT_GT(line.pid, last);
        last = line.pid;
        EXPECT_EQ(line.text.size(), 60u) << line.text;
        lines[line.pid] = line.text;
    }
    const std::pair<unsigned, const char*> expected[] = {
        {9, "PID   9   Rolling MPG (DERIVED)           Undefined"},
        {84, "PID  84   Road Speed                      Defined  "},
        {110, "PID 110   Engine Coolant Temperature      Undefined"},
        {117, "PID 117   Brake Primary Pressure          Undefined"},
        {177, "PID 177   Transmission Oil Temperature    Undefined"},
        {190, "PID 190   Engine Speed                    Undefined"},
        {412, "PID 412   EGR Exhaust Gas Temperature     Undefined"},
        {504, "PID 504   Max Trans Temp (DERIVED)        Undefined"},
        {510, "PID 510   Torque (DERIVED)                Undefined"},
    };
    for (const auto& [pid, start] : expected) {
        ASSERT_TRUE(lines.count(pid)) << pid;
        EXPECT_EQ(lines[pid].substr(0, 51), start);
        char value[16];
        std::snprintf(value, sizeof value, "%9.1f", parts.values.GetValue(pid));
        EXPECT_EQ(lines[pid].substr(51), value);
    }
    EXPECT_FALSE(lines.count(7)) << "the drive's brakes send no road speed";
    EXPECT_NE(lines[190].substr(51), "      0.0");
}
