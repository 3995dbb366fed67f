#pragma once

#include <cstddef>
#include <string>
#include <system_error>

namespace rovik {

// An open file descriptor of the platform's own file calls, closed when it goes. Reads and
// writes carry on after a signal interrupts them, and a write after a short one, so callers
// only ever see all the bytes or an error.
class FileDescriptor {
public:
    FileDescriptor() = default;
    // Takes over an open descriptor, or records the failure (errno) that gave none.
    explicit FileDescriptor(int fd);
    // Opens path with open(2) flags and, for a new file, permission bits.
    FileDescriptor(const std::string& path, int flags, unsigned permissions = 0);
    // Opens a regular file for reading without waiting. Anything else (a pipe, a terminal,
    // a folder) might never answer or hold no data, and gives a descriptor that is not open.
    static FileDescriptor OpenRegular(const std::string& path);
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool IsOpen() const { return fd >= 0; }
    int Get() const { return fd; }
    // Why opening failed; empty while open.
    std::error_code OpenError() const { return openError; }

    // Fills the buffer from the current position, stopping early only at the end. The count
    // read, or an error.
    std::error_code Read(void* buffer, std::size_t capacity, std::size_t& count);
    std::error_code WriteAll(const void* bytes, std::size_t count);
    // Waits until what was written is on the disk.
    std::error_code Sync();
    std::error_code Close();

private:
    int fd = -1;
    std::error_code openError;
};

}  // namespace rovik
