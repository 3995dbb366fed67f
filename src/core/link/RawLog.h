#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

namespace rovik {

// Records every chunk the box sends, exactly as read, after a nine-byte header, so a drive
// can be studied or replayed later. The receive thread appends while the interface thread
// starts and stops; one lock keeps a stop from closing the file under an append.
class RawLog {
public:
    static constexpr const char* kHeader = "Raw Log\r\n";
    static constexpr const char* kDefaultName = "rawlog.rvk";

    RawLog() = default;
    ~RawLog();
    RawLog(const RawLog&) = delete;
    RawLog& operator=(const RawLog&) = delete;

    // The name a typed one is recorded under: ".rvk" added unless it already ends so.
    static std::string FileNameFor(const std::string& typed);

    // Whether Start would empty an earlier recording: the file it would make holds more
    // than the header.
    bool WouldReplaceRecording() const;
    // Creates the file anew (an existing one is emptied) and writes the header; false, and
    // still off, when the file cannot be made.
    bool Start();
    void Stop();
    bool IsOn() const;
    // Adds the bytes while on. A failed write stops the log: a gap would make the rest of
    // the recording lie about what the box sent.
    void Append(const std::uint8_t* bytes, std::size_t count);

    std::string FileName() const;
    void SetFileName(const std::string& name);

private:
    void CloseFile();

    mutable std::mutex mutex;
    std::FILE* file = nullptr;
    std::string fileName = kDefaultName;
};

}  // namespace rovik
