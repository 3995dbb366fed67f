#include <gtest/gtest.h>

#include "FileFormats.h"
#include "core/app/SettingsFile.h"
#include "core/io/ByteWriter.h"
#include "core/io/PidBytes.h"

using namespace rovik;
using namespace rovik::test;

namespace {
// The sample with the port "COM3", as a program of this version wrote it: its version byte
// (or none) and the port with or without its length byte. The groups of later versions
// follow, which this version must not read.
Bytes OlderFile(const Settings& sample, const std::string& version, bool barePort) {
    const Bytes newest = SettingsFile::ToBytes(sample);
    Bytes older(version.begin(), version.end());
    older.insert(older.end(), newest.begin() + (barePort ? 2 : 1), newest.end());
    return older;
}
}  // namespace

// Each version holds the groups of those before it; the fields of later groups keep their
// defaults, except that files from before engine files name none ('?': empty).
TEST(SettingsFile, EachVersionReadsItsOwnGroupsOnly) {
    struct Case {
        std::string version;
        bool barePort;
        std::string states;
    };
    const std::string common = "RRRRRRRR";
    const Case cases[] = {
        {"", true, common + "D?" + "DDD" + "DD" + "DD" + "DD"},
        {"|", true, common + "D?" + "DDD" + "DD" + "DD" + "DD"},
        {"|", false, common + "D?" + "DDD" + "DD" + "DD" + "DD"},
        {"}", false, common + "RR" + "DDD" + "DD" + "DD" + "DD"},
        {"~", false, common + "RR" + "RRR" + "DD" + "DD" + "DD"},
        {"!", false, common + "RR" + "RRR" + "RR" + "DD" + "DD"},
        {"@", false, common + "RR" + "RRR" + "RR" + "RR" + "DD"},
        {"#", false, common + "RR" + "RRR" + "RR" + "RR" + "RR"},
    };
    Settings sample = SettingsDat::Sample();
    sample.portName = "COM3";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version + (c.barePort ? " bare port" : ""));
        const Settings read = SettingsFile::FromBytes(OlderFile(sample, c.version, c.barePort));
        EXPECT_EQ(SettingsDat::States(read, sample), c.states);
        if (c.states[9] == '?') {
            EXPECT_EQ(read.engineFileName, "");
        }
    }
}

TEST(SettingsFile, AnOdometerPidOrBoxItDoesNotKnowReadsAsTheDefaultAndTheRestIsStillRead) {
    struct Case {
        std::uint8_t odometerPid, connectionType, wantPid;
        ConnectionType wantType;
    };
    for (Case c : {Case{246, 3, 245, ConnectionType::Vx100Serial},
                   Case{0, 255, 245, ConnectionType::Vx100Serial},
                   Case{244, 2, 244, ConnectionType::Vx150Wifi}}) {
        Settings written = SettingsDat::Sample();
        written.odometerPid = c.odometerPid;
        written.connectionType = static_cast<ConnectionType>(c.connectionType);
        Settings read = SettingsFile::FromBytes(SettingsFile::ToBytes(written));
        EXPECT_EQ(read.odometerPid, c.wantPid);
        EXPECT_EQ(read.connectionType, c.wantType);
        written.odometerPid = c.wantPid;
        written.connectionType = c.wantType;
        EXPECT_EQ(read, written);
    }
}

TEST(SettingsFile, APortNameWhoseLengthByteIsCIsNotTakenForABareComPort) {
    // 67 characters: its length byte is 'C', which older files used for a bare "COMn".
    Settings written = SettingsDat::Sample();
    written.portName = "/dev/serial/by-id/usb-Norvane_VX101_Interface_0001A7C3-if00-port0";
    written.portName.resize(67, '0');
    const Bytes bytes = SettingsFile::ToBytes(written);
    EXPECT_EQ(bytes[0], '#');
    EXPECT_EQ(bytes[1], 'C');
    EXPECT_EQ(SettingsFile::FromBytes(bytes), written);
}

TEST(SettingsFile, LoggedPidsPastTheLoggersCapacityAreDroppedAndLaterFieldsStillRead) {
    Settings written = SettingsDat::Sample();
    written.dataLog.columns.clear();
    Bytes bytes = SettingsFile::ToBytes(written);
    // The list's count follows the version, port, screen file, placement and interval.
    const auto countAt = static_cast<std::ptrdiff_t>(1 + 1 + written.portName.size() + 1 +
                                                     written.screenFileName.size() + 44 + 4);
    ByteWriter list;
    list.WriteU32(103);
    for (std::uint16_t i = 0; i < 103; ++i) {
        written.dataLog.columns.push_back(static_cast<std::uint16_t>(i % 2 ? 300 + i : i));
        PidBytes::Write(list, written.dataLog.columns.back());
    }
    bytes.erase(bytes.begin() + countAt, bytes.begin() + countAt + 4);
    bytes.insert(bytes.begin() + countAt, list.Bytes().begin(), list.Bytes().end());
    written.dataLog.columns.resize(DataLogSettings::kMaxColumns);
    EXPECT_EQ(SettingsFile::FromBytes(bytes), written);
}

TEST(SettingsFile, WriterNeverStoresMoreThanItCanReadBack) {
    Settings written = SettingsDat::Sample();
    written.screenFileName = std::string(300, 's');
    written.dataLog.columns.assign(150, 84);
    Settings read = SettingsFile::FromBytes(SettingsFile::ToBytes(written));
    written.screenFileName.resize(255);
    written.dataLog.columns.resize(DataLogSettings::kMaxColumns);
    EXPECT_EQ(read, written);
}

TEST(SettingsFile, TheDataLogKeepsAPageTwoPidBehindTheEscapeByte) {
    Settings written;
    written.dataLog = {5, {84, 300}, "a.txt", false};
    const Bytes bytes = SettingsFile::ToBytes(written);
    // After the version, the port "COM1", the screen file "DEFAULT.SCR" and the placement.
    const auto block = bytes.begin() + 1 + 5 + 12 + 44;
    EXPECT_EQ(Bytes(block, block + 17),
              (Bytes{5, 0, 0, 0, 2, 0, 0, 0, 84, 0xFF, 44, 5, 'a', '.', 't', 'x', 't'}));
    EXPECT_EQ(SettingsFile::FromBytes(bytes).dataLog, written.dataLog);
}
