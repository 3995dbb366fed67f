#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "platform/FileDescriptor.h"

namespace rovik {

// A file that is there, opened to add bytes at its end. Closed when it goes.
class AppendFile {
public:
    // Opens the file and notes its size; std::errc::no_such_file_or_directory when there is
    // none.
    std::error_code Open(const std::string& path);
    // The byte the file ended with when it was opened; none when it was empty or that byte
    // cannot be read.
    std::optional<char> LastByte() const;
    // Adds every byte at the end of the file.
    std::error_code Write(const std::string& bytes);
    // Cuts the file back to its size when it was opened; false when that fails.
    bool TakeBack();
    std::error_code Close() { return file.Close(); }

private:
    FileDescriptor file;
    std::int64_t sizeAtOpen = 0;
};

}  // namespace rovik
