#include "platform/RecordingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rovik {

RecordingFile::~RecordingFile() {
    if (file) {
        std::fclose(file);
    }
}

bool RecordingFile::Open(const std::string& path) {
    // Opened without waiting, so a pipe with no writer cannot hold the caller; then only a
    // regular file is kept.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return false;
    }
    file = ::fdopen(fd, "rb");
    if (!file) {
        ::close(fd);
        return false;
    }
    return true;
}

ReadResult RecordingFile::Read(std::uint8_t* buffer, std::size_t capacity) {
    ReadResult result;
    result.count = std::fread(buffer, 1, capacity, file);
    return result;
}

int RecordingFile::WriteByte(std::uint8_t) {
    return 1;
}

bool RecordingFile::WriteAll(const std::uint8_t*, std::size_t) {
    return true;
}

}  // namespace rovik
