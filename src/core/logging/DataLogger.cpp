#include "core/logging/DataLogger.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <system_error>

#include "core/io/AtomicFile.h"
#include "core/params/ParameterTable.h"
#include "core/values/Pids.h"
#include "core/values/ValueLookup.h"
#include "platform/AppendFile.h"
#include "platform/FileSystem.h"
#include "platform/LocalTime.h"

namespace rovik {

namespace {
const std::string kLineEnd = "\r\n";
const std::string kTitleLine = "Log File" + kLineEnd;
const std::string kTimeHeadings = "\"Hr\",\"Min\",\"Sec\",";
const std::string kExtension = ".txt";
// At or below this engine speed the engine counts as stopped.
constexpr double kEngineStoppedRpm = 1.0;
constexpr std::uint64_t kMsPerSecond = 1000;

// The parameter a column shows; none when the table no longer has its PID, since the
// table's fallback entry would log some other quantity under the wrong heading.
const Parameter* ColumnParameter(const ParameterTable& parameters, unsigned pid) {
    return parameters.IsDefined(pid) ? parameters.FindByPid(pid) : nullptr;
}

// Written the same whatever the user's language: a decimal comma would split the field.
std::string Number(double value) {
    char text[400];
    auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return std::string(text, written.ptr);
}

std::string Number(int value) {
    char text[16];
    auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

// A quote inside a heading is doubled, so the heading stays one field.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += c;
        }
    }
    return quoted + "\"";
}
}  // namespace

DataLogger::DataLogger(const ParameterTable& parameters, DataLogSettings& settings, Clock clock)
    : parameters(parameters), settings(settings), clock(std::move(clock)) {}

std::tm DataLogger::LocalNow() {
    return LocalTime::Of(std::time(nullptr));
}

void DataLogger::Tick(std::uint32_t ms, const ValueLookup& values) {
    if (!recording || (!settings.logWhenEngineOff && EngineOff(values))) {
        return;
    }
    elapsedMs += ms;
    const std::uint64_t intervalMs =
        std::uint64_t{std::max(settings.interval, DataLogSettings::kMinInterval)} * kMsPerSecond;
    if (elapsedMs <= intervalMs) {
        return;
    }
    Append(LineOf(values));
    // Time saved up under a longer interval is dropped rather than paid out as a burst of
    // lines one tick apart.
    elapsedMs %= intervalMs;
}

bool DataLogger::EngineOff(const ValueLookup& values) const {
    const Parameter* engineSpeed = ColumnParameter(parameters, pid::kEngineSpeed);
    double rpm = engineSpeed ? engineSpeed->Value(values) : values.GetValue(pid::kEngineSpeed);
    return rpm <= kEngineStoppedRpm;
}

void DataLogger::Start(const DataLogSettings& chosen) {
    settings = chosen;
    Start();
}

void DataLogger::Start() {
    recording = true;
    failure.clear();
    std::error_code error = FileSystem::CreateNew(settings.fileName, HeaderFor(settings.columns));
    if (error && error != std::errc::file_exists) {
        NoteFailure(error.message());
    }
}

void DataLogger::Stop() {
    recording = false;
    failure.clear();
}

bool DataLogger::Clear(const std::string& fileName,
                       const std::vector<std::uint16_t>& columns) const {
    const std::string header = HeaderFor(columns);
    return AtomicFile::Write(fileName, std::vector<std::uint8_t>(header.begin(), header.end()));
}

std::string DataLogger::HeaderFor(const std::vector<std::uint16_t>& columns) const {
    std::string headings = kTimeHeadings;
    for (std::uint16_t pid : columns) {
        const Parameter* parameter = ColumnParameter(parameters, pid);
        headings += Quoted(parameter ? parameter->abbreviation : "") + ",";
    }
    return kTitleLine + headings + kLineEnd;
}

std::string DataLogger::LineOf(const ValueLookup& values) const {
    const std::tm now = clock();
    std::string line;
    for (int part : {now.tm_hour, now.tm_min, now.tm_sec}) {
        line += Number(part) + ",";
    }
    for (std::uint16_t pid : settings.columns) {
        if (const Parameter* parameter = ColumnParameter(parameters, pid)) {
            line += Number(parameter->Value(values));
        }
        line += ",";
    }
    return line + kLineEnd;
}

// The whole line in one write, taken back when it fails, so a full disk never leaves half
// a line for the next one to run into.
void DataLogger::Append(const std::string& line) {
    AppendFile file;
    std::error_code error = file.Open(settings.fileName);
    if (error) {
        NoteFailure(error.message());
        return;
    }
    error = file.Write(line);
    bool takenBack = !error || file.TakeBack();
    std::error_code closed = file.Close();
    error = error ? error : closed;
    failure.clear();
    if (error) {
        NoteFailure(error.message() + (takenBack ? "" : "; part of a line may be left in it"));
    }
}

void DataLogger::NoteFailure(const std::string& reason) {
    failure = "Data log: cannot write to " + settings.fileName + ": " + reason;
}

std::string DataLogger::FileNameFor(const std::string& typed) {
    // Only the name itself is lowered: the folders are where the user chose, and here their
    // case tells one folder from another.
    std::size_t slash = typed.find_last_of('/');
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string name = typed;
    std::transform(name.begin() + static_cast<std::ptrdiff_t>(nameStart), name.end(),
                   name.begin() + static_cast<std::ptrdiff_t>(nameStart),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (!name.ends_with(kExtension)) {
        name += kExtension;
    }
    return name;
}

}  // namespace rovik
