#include "platform/FileDescriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace rovik {

namespace {
std::error_code LastError() {
    return {errno, std::generic_category()};
}
}  // namespace

FileDescriptor::FileDescriptor(int fd) : fd(fd) {
    if (fd < 0) {
        openError = LastError();
    }
}

FileDescriptor::FileDescriptor(const std::string& path, int flags, unsigned permissions)
    : FileDescriptor(::open(path.c_str(), flags, static_cast<mode_t>(permissions))) {}

FileDescriptor FileDescriptor::OpenRegular(const std::string& path) {
    FileDescriptor file(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (file.IsOpen() && (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        file.Close();
        file.openError = std::make_error_code(std::errc::invalid_argument);
    }
    return file;
}

FileDescriptor::~FileDescriptor() {
    Close();
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : fd(std::exchange(other.fd, -1)), openError(other.openError) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        fd = std::exchange(other.fd, -1);
        openError = other.openError;
    }
    return *this;
}

std::error_code FileDescriptor::Read(void* buffer, std::size_t capacity, std::size_t& count) {
    count = 0;
    while (count < capacity) {
        ssize_t got = ::read(fd, static_cast<char*>(buffer) + count, capacity - count);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return LastError();
        }
        if (got == 0) {
            break;
        }
        count += static_cast<std::size_t>(got);
    }
    return {};
}

std::error_code FileDescriptor::WriteAll(const void* bytes, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        ssize_t written = ::write(fd, static_cast<const char*>(bytes) + done, count - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return LastError();
        }
        if (written == 0) {
            // Nothing written and no error means no room.
            return std::make_error_code(std::errc::no_space_on_device);
        }
        done += static_cast<std::size_t>(written);
    }
    return {};
}

std::error_code FileDescriptor::Sync() {
    while (::fsync(fd) != 0) {
        if (errno != EINTR) {
            return LastError();
        }
    }
    return {};
}

// Never retried: Linux has let go of the descriptor even when close fails, and a second close
// might close one that another thread has just opened.
std::error_code FileDescriptor::Close() {
    if (fd < 0) {
        return {};
    }
    return ::close(std::exchange(fd, -1)) == 0 ? std::error_code() : LastError();
}

}  // namespace rovik
