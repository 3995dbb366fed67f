#include "core/app/SettingsFile.h"

#include <algorithm>
#include <array>

#include "core/io/AtomicFile.h"
#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"
#include "core/io/PidBytes.h"
#include "core/values/Pids.h"

namespace rovik {

namespace {
// The version bytes, oldest first; each version holds every field group of those before it.
// A first byte that is none of these is the first character of the oldest layout's port.
constexpr std::array<std::uint8_t, 6> kVersions = {'|', '}', '~', '!', '@', '#'};
constexpr std::uint8_t kNewestVersion = '#';

// The field groups after AutoRestart, by the place in kVersions of the version that added
// them.
enum Level : int {
    kOldest = 0,
    kReserved = 1,  // six unused words
    kEngine = 2,    // rolling MPG buffer size, engine file name
    kLogging = 3,   // odometer PID, automatic log start, log when engine off
    kBox = 4,       // connection type, transmit delay
    kRequests = 5,  // fuel meter and odometer requests
    kNetwork = 6,   // IP address, TCP port
};

constexpr std::size_t kReservedBytes = 24;
// A port name stored without a length byte, as "COM1", has this many characters.
constexpr std::size_t kBarePortLength = 4;

int LevelOf(std::uint8_t first) {
    const auto* found = std::find(kVersions.begin(), kVersions.end(), first);
    return found == kVersions.end() ? kOldest : static_cast<int>(found - kVersions.begin()) + 1;
}

void ReadFlag(ByteReader& reader, bool& flag) {
    std::uint32_t value = 0;
    if (reader.ReadU32(value)) {
        flag = value != 0;
    }
}

void ReadBarePortName(ByteReader& reader, char first, std::string& portName) {
    std::string rest;
    if (reader.ReadChars(kBarePortLength - 1, rest)) {
        portName = first + rest;
    }
}

// A length byte and the name, or the bare "COMn" some older writers left. Only 'C' followed
// by "OM" is taken as bare: a 67-character name (length byte 'C') is a plausible
// /dev/serial/by-id path, and this writer always writes the length.
void ReadPortName(ByteReader& reader, std::string& portName) {
    std::uint8_t length = 0;
    std::string head;
    if (!reader.ReadU8(length) ||
        !reader.ReadChars(std::min<std::size_t>(length, kBarePortLength - 1), head)) {
        return;
    }
    if (length == 'C' && head.starts_with("OM")) {
        portName = 'C' + head;
        return;
    }
    std::string tail;
    if (reader.ReadChars(length - head.size(), tail)) {
        portName = head + tail;
    }
}

void ReadPlacement(ByteReader& reader, Settings& settings) {
    WindowPlacement placement;
    for (std::uint32_t* field : {&placement.length, &placement.flags, &placement.showCommand}) {
        reader.ReadU32(*field);
    }
    for (std::int32_t* field : {&placement.minimizedX, &placement.minimizedY, &placement.maximizedX,
                                &placement.maximizedY, &placement.left, &placement.top,
                                &placement.right, &placement.bottom}) {
        std::uint32_t value = 0;
        reader.ReadU32(value);
        *field = static_cast<std::int32_t>(value);
    }
    if (reader.Ok()) {
        settings.windowPlacement = placement;
        settings.hasWindowPlacement = true;
    }
}

// The count is not trusted: PIDs past the logger's capacity are read and dropped, so the
// fields after them are still found. A list cut short by the end of the file is not kept.
void ReadLoggedPids(ByteReader& reader, std::vector<std::uint16_t>& pids) {
    std::uint32_t count = 0;
    if (!reader.ReadU32(count)) {
        return;
    }
    std::vector<std::uint16_t> read;
    std::uint16_t pid = 0;
    for (std::uint32_t i = 0; i < count && PidBytes::Read(reader, pid); ++i) {
        if (read.size() < DataLogSettings::kMaxColumns) {
            read.push_back(pid);
        }
    }
    if (reader.Ok()) {
        pids = std::move(read);
    }
}

void ReadDataLogBlock(ByteReader& reader, DataLogSettings& dataLog) {
    reader.ReadU32(dataLog.interval);
    ReadLoggedPids(reader, dataLog.columns);
    reader.ReadShortString(dataLog.fileName);
}

void ReadOdometerPid(ByteReader& reader, std::uint8_t& odometerPid) {
    std::uint8_t value = 0;
    if (reader.ReadU8(value)) {
        odometerPid = value == pid::kTripDistance || value == pid::kTotalDistance
                          ? value
                          : Settings().odometerPid;
    }
}

void ReadConnectionType(ByteReader& reader, ConnectionType& type) {
    std::uint8_t value = 0;
    if (reader.ReadU8(value)) {
        type = value > static_cast<std::uint8_t>(ConnectionType::Vx150Wifi)
                   ? ConnectionType::Vx100Serial
                   : static_cast<ConnectionType>(value);
    }
}

// Groups a version lacks keep their defaults, except the engine file: files from before
// engine files name none, so none is loaded.
void ReadVersionedGroups(ByteReader& reader, int level, Settings& settings) {
    if (level >= kReserved) {
        reader.Skip(kReservedBytes);
    }
    if (level >= kEngine) {
        reader.ReadU32(settings.rollingMpgBufferSize);
        reader.ReadShortString(settings.engineFileName);
    } else {
        settings.engineFileName.clear();
    }
    if (level >= kLogging) {
        ReadOdometerPid(reader, settings.odometerPid);
        ReadFlag(reader, settings.automaticallyStartLog);
        ReadFlag(reader, settings.dataLog.logWhenEngineOff);
    }
    if (level >= kBox) {
        ReadConnectionType(reader, settings.connectionType);
        reader.ReadU8(settings.transmitDelay);
    }
    if (level >= kRequests) {
        ReadFlag(reader, settings.requestFuelmeter);
        ReadFlag(reader, settings.requestOdometer);
    }
    if (level >= kNetwork) {
        reader.ReadShortString(settings.ipAddress);
        reader.ReadU32(settings.tcpPort);
    }
}

void WritePlacement(ByteWriter& writer, const WindowPlacement& placement) {
    for (std::uint32_t field : {placement.length, placement.flags, placement.showCommand}) {
        writer.WriteU32(field);
    }
    for (std::int32_t field :
         {placement.minimizedX, placement.minimizedY, placement.maximizedX, placement.maximizedY,
          placement.left, placement.top, placement.right, placement.bottom}) {
        writer.WriteU32(static_cast<std::uint32_t>(field));
    }
}

void WriteDataLogBlock(ByteWriter& writer, const DataLogSettings& dataLog) {
    std::size_t count = std::min(dataLog.columns.size(), DataLogSettings::kMaxColumns);
    writer.WriteU32(dataLog.interval);
    writer.WriteU32(static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        PidBytes::Write(writer, dataLog.columns[i]);
    }
    writer.WriteShortString(dataLog.fileName);
}

void WriteVersionedGroups(ByteWriter& writer, const Settings& settings) {
    for (std::size_t i = 0; i < kReservedBytes; ++i) {
        writer.WriteU8(0);
    }
    writer.WriteU32(settings.rollingMpgBufferSize);
    writer.WriteShortString(settings.engineFileName);
    writer.WriteU8(settings.odometerPid);
    writer.WriteU32(settings.automaticallyStartLog);
    writer.WriteU32(settings.dataLog.logWhenEngineOff);
    writer.WriteU8(static_cast<std::uint8_t>(settings.connectionType));
    writer.WriteU8(settings.transmitDelay);
    writer.WriteU32(settings.requestFuelmeter);
    writer.WriteU32(settings.requestOdometer);
    writer.WriteShortString(settings.ipAddress);
    writer.WriteU32(settings.tcpPort);
}
}  // namespace

Settings SettingsFile::Read() const {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    return bytes ? FromBytes(*bytes) : Settings();
}

bool SettingsFile::Write(const Settings& settings) const {
    return AtomicFile::Write(path, ToBytes(settings));
}

Settings SettingsFile::FromBytes(const std::vector<std::uint8_t>& bytes) {
    Settings settings;
    ByteReader reader(bytes);
    std::uint8_t first = 0;
    if (!reader.ReadU8(first)) {
        return settings;
    }
    int level = LevelOf(first);
    if (level == kOldest) {
        ReadBarePortName(reader, static_cast<char>(first), settings.portName);
    } else {
        ReadPortName(reader, settings.portName);
    }
    reader.ReadShortString(settings.screenFileName);
    ReadPlacement(reader, settings);
    ReadDataLogBlock(reader, settings.dataLog);
    ReadFlag(reader, settings.autoRestart);
    ReadVersionedGroups(reader, level, settings);
    return settings;
}

std::vector<std::uint8_t> SettingsFile::ToBytes(const Settings& settings) {
    ByteWriter writer;
    writer.WriteU8(kNewestVersion);
    writer.WriteShortString(settings.portName);
    writer.WriteShortString(settings.screenFileName);
    WritePlacement(writer, settings.windowPlacement);
    WriteDataLogBlock(writer, settings.dataLog);
    writer.WriteU32(settings.autoRestart);
    WriteVersionedGroups(writer, settings);
    return writer.Bytes();
}

}  // namespace rovik
