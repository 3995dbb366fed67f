#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "platform/FileDescriptor.h"

namespace rovik {

namespace {
constexpr unsigned kPermissions = 0644;
constexpr std::size_t kChunk = 4096;
}  // namespace

std::optional<std::vector<std::uint8_t>> FileSystem::ReadAll(const std::string& path) {
    FileDescriptor file(path, O_RDONLY | O_CLOEXEC);
    if (!file.IsOpen()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    std::size_t got = kChunk;
    while (got == kChunk) {
        std::size_t done = bytes.size();
        bytes.resize(done + kChunk);
        if (file.Read(bytes.data() + done, kChunk, got)) {
            return std::nullopt;
        }
        bytes.resize(done + got);
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> FileSystem::ReadStart(const std::string& path,
                                                               std::size_t count) {
    FileDescriptor file = FileDescriptor::OpenRegular(path);
    if (!file.IsOpen()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(count);
    std::size_t got = 0;
    if (file.Read(bytes.data(), count, got)) {
        return std::nullopt;
    }
    bytes.resize(got);
    return bytes;
}

bool FileSystem::Replace(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string temporary = path + ".XXXXXX";
    FileDescriptor file(::mkstemp(temporary.data()));
    if (!file.IsOpen()) {
        return false;
    }
    bool written = ::fchmod(file.Get(), kPermissions) == 0 &&
                   !file.WriteAll(bytes.data(), bytes.size()) && !file.Sync();
    written = !file.Close() && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::error_code FileSystem::CreateNew(const std::string& path, const std::string& bytes) {
    FileDescriptor file(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPermissions);
    if (!file.IsOpen()) {
        return file.OpenError();
    }
    std::error_code error = file.WriteAll(bytes.data(), bytes.size());
    std::error_code closed = file.Close();
    if (!error) {
        error = closed;
    }
    if (error) {
        ::unlink(path.c_str());
    }
    return error;
}

bool FileSystem::Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace rovik
