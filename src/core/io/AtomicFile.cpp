#include "core/io/AtomicFile.h"

#include "platform/FileSystem.h"

namespace rovik {

std::optional<std::vector<std::uint8_t>> AtomicFile::Read(const std::string& path) {
    return FileSystem::ReadAll(path);
}

bool AtomicFile::Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    return FileSystem::Replace(path, bytes);
}

}  // namespace rovik
