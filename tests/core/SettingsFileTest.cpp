#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempFolder.h"
#include "core/app/SettingsFile.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/io/PidBytes.h"

using namespace rovik;

namespace {
// A value for every field, none of them a first-start default.
Settings Unusual() {
    Settings s;
    s.portName = "/dev/ttyS9";
    s.screenFileName = "TRUCK.SCR";
    s.windowPlacement = {44, 0, 3, -1, -1, -1, -1, 10, 20, 810, 620};
    s.hasWindowPlacement = true;
    s.logInterval = 5;
    s.loggedPids = {190, 84, 0, 254, 256, 511};
    s.logFileName = "trip.txt";
    s.autoRestart = true;
    s.rollingMpgBufferSize = 300;
    s.engineFileName = "Cummins ISX";
    s.odometerPid = 244;
    s.automaticallyStartLog = true;
    s.logWhenEngineOff = true;
    s.connectionType = ConnectionType::Vx150Wifi;
    s.transmitDelay = 7;
    s.requestFuelmeter = true;
    s.requestOdometer = true;
    s.ipAddress = "192.168.4.7";
    s.tcpPort = 70000;
    return s;
}

// What every layout holds after the port name: screen file, placement, data log block and
// AutoRestart, with Unusual()'s values.
void WriteCommonFields(ByteWriter& writer, const std::vector<std::uint16_t>& pids) {
    Settings s = Unusual();
    writer.WriteShortString(s.screenFileName);
    for (std::int32_t word : {44, 0, 3, -1, -1, -1, -1, 10, 20, 810, 620}) {
        writer.WriteU32(static_cast<std::uint32_t>(word));
    }
    writer.WriteU32(s.logInterval);
    writer.WriteU32(static_cast<std::uint32_t>(pids.size()));
    for (std::uint16_t pid : pids) {
        PidBytes::Write(writer, pid);
    }
    writer.WriteShortString(s.logFileName);
    writer.WriteU32(1);
}

void ExpectCommonFields(const Settings& read) {
    Settings s = Unusual();
    EXPECT_EQ(read.screenFileName, s.screenFileName);
    EXPECT_TRUE(read.hasWindowPlacement);
    EXPECT_EQ(read.windowPlacement, s.windowPlacement);
    EXPECT_EQ(read.logInterval, s.logInterval);
    EXPECT_EQ(read.logFileName, s.logFileName);
    EXPECT_TRUE(read.autoRestart);
}

// The six unused words, the buffer size and the engine file.
void WriteEngineGroup(ByteWriter& writer) {
    for (int i = 0; i < 6; ++i) {
        writer.WriteU32(0);
    }
    writer.WriteU32(300);
    writer.WriteShortString("Cummins ISX");
}

Settings ReadFile(const TempFolder& folder, const std::vector<std::uint8_t>& bytes) {
    std::string path = folder.File("SETTINGS.DAT");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return SettingsFile(path).Read();
}

// One letter a field, in file order: R as in the full file, D the default, ? anything else.
std::string FieldStates(const Settings& read, const Settings& full) {
    const Settings fresh;
    std::string states;
    auto note = [&](auto field) {
        states += read.*field == full.*field ? 'R' : read.*field == fresh.*field ? 'D' : '?';
    };
    note(&Settings::portName);
    note(&Settings::screenFileName);
    note(&Settings::windowPlacement);
    note(&Settings::hasWindowPlacement);
    note(&Settings::logInterval);
    note(&Settings::loggedPids);
    note(&Settings::logFileName);
    note(&Settings::autoRestart);
    note(&Settings::rollingMpgBufferSize);
    note(&Settings::engineFileName);
    note(&Settings::odometerPid);
    note(&Settings::automaticallyStartLog);
    note(&Settings::logWhenEngineOff);
    note(&Settings::connectionType);
    note(&Settings::transmitDelay);
    note(&Settings::requestFuelmeter);
    note(&Settings::requestOdometer);
    note(&Settings::ipAddress);
    note(&Settings::tcpPort);
    return states;
}
}  // namespace

TEST(SettingsFile, MissingOrEmptyFileGivesTheFirstStartValuesAndWritesNothing) {
    TempFolder folder;
    std::string path = folder.File("SETTINGS.DAT");
    Settings read = SettingsFile(path).Read();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(read, Settings());
    EXPECT_FALSE(read.hasWindowPlacement);
    EXPECT_EQ(ReadFile(folder, {}), Settings());
}

TEST(SettingsFile, FourCharacterPortWithoutALengthByteInOldestAndVersionedFiles) {
    for (std::string start : {"COM2", "|COM3"}) {
        TempFolder folder;
        ByteWriter writer;
        for (char c : start) {
            writer.WriteU8(static_cast<std::uint8_t>(c));
        }
        WriteCommonFields(writer, {190});
        // More than these versions hold: it must not be read.
        WriteEngineGroup(writer);
        Settings read = ReadFile(folder, writer.Bytes());
        EXPECT_EQ(read.portName, start.substr(start.size() - 4));
        ExpectCommonFields(read);
        EXPECT_EQ(read.loggedPids, std::vector<std::uint16_t>{190});
        // Files from before engine files name none.
        EXPECT_EQ(read.engineFileName, "");
        EXPECT_EQ(read.rollingMpgBufferSize, 150u);
        EXPECT_EQ(FieldStates(read, Unusual()).substr(10), std::string(9, 'D'));
    }
}

TEST(SettingsFile, OutOfRangeOdometerPidAndConnectionTypeAreCorrected) {
    struct Case {
        std::uint8_t odometerPid, connectionType, wantPid;
        ConnectionType wantType;
    };
    for (Case c : {Case{246, 3, 245, ConnectionType::Vx100Serial},
                   Case{0, 255, 245, ConnectionType::Vx100Serial},
                   Case{244, 2, 244, ConnectionType::Vx150Wifi}}) {
        TempFolder folder;
        ByteWriter writer;
        writer.WriteU8('!');
        writer.WriteShortString("COM1");
        WriteCommonFields(writer, {});
        WriteEngineGroup(writer);
        writer.WriteU8(c.odometerPid);
        writer.WriteU32(1);
        writer.WriteU32(1);
        writer.WriteU8(c.connectionType);
        writer.WriteU8(25);
        Settings read = ReadFile(folder, writer.Bytes());
        EXPECT_EQ(read.odometerPid, c.wantPid);
        EXPECT_EQ(read.connectionType, c.wantType);
        EXPECT_EQ(read.transmitDelay, 25);
        EXPECT_TRUE(read.logWhenEngineOff);
    }
}

TEST(SettingsFile, EveryFieldRoundTripsThroughTheNewestVersion) {
    // 67 characters: its length byte is 'C', which older files used for a bare "COMn".
    std::string byIdPath = "/dev/serial/by-id/usb-Norvane_VX101_Interface_0001A7C3-if00-port0";
    byIdPath.resize(67, '0');
    for (const std::string& port : {std::string("/dev/ttyS9"), byIdPath}) {
        TempFolder folder;
        Settings written = Unusual();
        written.portName = port;
        SettingsFile file(folder.File("SETTINGS.DAT"));
        ASSERT_TRUE(file.Write(written));
        auto bytes = AtomicFile::Read(folder.File("SETTINGS.DAT"));
        ASSERT_TRUE(bytes);
        EXPECT_EQ((*bytes)[0], '#');
        EXPECT_EQ((*bytes)[1], port.size());
        EXPECT_EQ(file.Read(), written);
        // Nothing but the file itself is left in the folder.
        auto entries = std::filesystem::directory_iterator(folder.Path());
        EXPECT_EQ(std::distance(begin(entries), end(entries)), 1);
    }
}

TEST(SettingsFile, OlderFileWrittenBackHoldsTheDefaultsOfWhatItLacked) {
    TempFolder folder;
    ByteWriter writer;
    writer.WriteU8('}');
    writer.WriteShortString("COM4");
    WriteCommonFields(writer, {84});
    WriteEngineGroup(writer);
    Settings read = ReadFile(folder, writer.Bytes());
    ASSERT_TRUE(SettingsFile(folder.File("SETTINGS.DAT")).Write(read));
    Settings again = SettingsFile(folder.File("SETTINGS.DAT")).Read();
    EXPECT_EQ(AtomicFile::Read(folder.File("SETTINGS.DAT"))->front(), '#');
    EXPECT_EQ(again.portName, "COM4");
    ExpectCommonFields(again);
    EXPECT_EQ(again.rollingMpgBufferSize, 300u);
    EXPECT_EQ(again.engineFileName, "Cummins ISX");
    EXPECT_EQ(FieldStates(again, Unusual()).substr(10), std::string(9, 'D'));
}

TEST(SettingsFile, LoggedPidsPastTheLoggersCapacityAreDroppedAndLaterFieldsStillRead) {
    std::vector<std::uint16_t> pids;
    for (std::uint16_t i = 0; i < 103; ++i) {
        pids.push_back(static_cast<std::uint16_t>(i % 2 ? 300 + i : i));
    }
    TempFolder folder;
    ByteWriter writer;
    writer.WriteU8('~');
    writer.WriteShortString("COM1");
    WriteCommonFields(writer, pids);
    WriteEngineGroup(writer);
    writer.WriteU8(244);
    writer.WriteU32(1);
    writer.WriteU32(1);
    Settings read = ReadFile(folder, writer.Bytes());
    pids.resize(Settings::kMaxLoggedPids);
    EXPECT_EQ(read.loggedPids, pids);
    ExpectCommonFields(read);
    EXPECT_EQ(read.engineFileName, "Cummins ISX");
    EXPECT_EQ(read.odometerPid, 244);
    EXPECT_TRUE(read.logWhenEngineOff);
}

TEST(SettingsFile, WriterNeverStoresMoreThanItCanReadBack) {
    TempFolder folder;
    Settings written = Unusual();
    written.screenFileName = std::string(300, 's');
    written.loggedPids.assign(150, 84);
    SettingsFile file(folder.File("SETTINGS.DAT"));
    ASSERT_TRUE(file.Write(written));
    Settings read = file.Read();
    EXPECT_EQ(read.screenFileName, std::string(255, 's'));
    EXPECT_EQ(read.loggedPids.size(), Settings::kMaxLoggedPids);
    read.screenFileName = written.screenFileName;
    read.loggedPids = written.loggedPids;
    EXPECT_EQ(read, written);
}

TEST(SettingsFile, FileCutAnywhereKeepsTheDefaultsOfEverythingAfterTheCut) {
    TempFolder folder;
    const Settings full = Unusual();
    std::vector<std::uint8_t> bytes = SettingsFile::ToBytes(full);
    std::size_t fields = FieldStates(full, full).size();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        Settings cut = ReadFile(folder, {bytes.begin(), bytes.begin() + size});
        std::string states = FieldStates(cut, full);
        std::size_t read = std::min(states.find_first_not_of('R'), fields - 1);
        EXPECT_EQ(states, std::string(read, 'R') + std::string(fields - read, 'D')) << size;
    }
}
