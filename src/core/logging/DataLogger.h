#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "core/logging/DataLogSettings.h"

namespace rovik {

class ParameterTable;
class ValueLookup;

// While recording, adds one comma-separated line of the chosen parameters' values to a text
// file at every interval. The file is opened, added to and closed for each line, so the
// user may read or copy it at any time. Used on the interface thread only.
class DataLogger {
public:
    using Clock = std::function<std::tm()>;

    // The settings are the program's own: the logger follows them as they change.
    DataLogger(const ParameterTable& parameters, DataLogSettings& settings, Clock clock = LocalNow);

    // Counts the milliseconds toward the next line, but only while the engine turns unless
    // the settings ask to log with the engine off; the time past the interval carries over.
    void Tick(std::uint32_t ms, const ValueLookup& values);
    // Takes the chosen settings, then starts as below.
    void Start(const DataLogSettings& chosen);
    // Starts recording. A file that is not there yet is made with the header lines; one that
    // is keeps what it holds and the lines follow it.
    void Start();
    void Stop();
    bool IsRecording() const { return recording; }
    const DataLogSettings& CurrentSettings() const { return settings; }
    void ChangeSettings(const DataLogSettings& chosen) { settings = chosen; }

    // Replaces the file by one holding only the header lines for these columns; false (the
    // old file untouched) when that fails.
    bool Clear(const std::string& fileName, const std::vector<std::uint16_t>& columns) const;
    // Why the last line (or the new file at the start) could not be written; empty when it
    // was.
    const std::string& Failure() const { return failure; }

    // The file a typed name stands for: the name in lower case, ending in ".txt".
    static std::string FileNameFor(const std::string& typed);

private:
    static std::tm LocalNow();
    bool EngineOff(const ValueLookup& values) const;
    std::string HeaderFor(const std::vector<std::uint16_t>& columns) const;
    std::string LineOf(const ValueLookup& values) const;
    void Append(const std::string& line);
    void NoteFailure(const std::string& error);

    const ParameterTable& parameters;
    DataLogSettings& settings;
    Clock clock;
    bool recording = false;
    std::uint64_t elapsedMs = 0;
    std::string failure;
};

}  // namespace rovik
