#include "platform/AppendFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace rovik {

std::error_code AppendFile::Open(const std::string& path) {
    file = FileDescriptor(path, O_RDWR | O_APPEND | O_CLOEXEC);
    if (!file.IsOpen()) {
        return file.OpenError();
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        std::error_code error(errno, std::generic_category());
        file.Close();
        return error;
    }
    sizeAtOpen = status.st_size;
    return {};
}

std::optional<char> AppendFile::LastByte() const {
    char last = 0;
    if (sizeAtOpen > 0 && ::pread(file.Get(), &last, 1, sizeAtOpen - 1) == 1) {
        return last;
    }
    return std::nullopt;
}

std::error_code AppendFile::Write(const std::string& bytes) {
    return file.WriteAll(bytes.data(), bytes.size());
}

bool AppendFile::TakeBack() {
    return ::ftruncate(file.Get(), sizeAtOpen) == 0;
}

}  // namespace rovik
