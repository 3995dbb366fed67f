#include "core/link/RawLog.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/FileSystem.h"

namespace rovik {

namespace {
constexpr std::string_view kExtension = ".rvk";

bool EndsWithExtension(const std::string& name) {
    if (name.size() < kExtension.size()) {
        return false;
    }
    return std::equal(kExtension.begin(), kExtension.end(), name.end() - kExtension.size(),
                      [](char wanted, char given) {
                          return wanted == std::tolower(static_cast<unsigned char>(given));
                      });
}
}  // namespace

RawLog::~RawLog() {
    Stop();
}

std::string RawLog::FileNameFor(const std::string& typed) {
    return EndsWithExtension(typed) ? typed : typed + std::string(kExtension);
}

bool RawLog::WouldReplaceRecording() const {
    const std::size_t headerLength = std::strlen(kHeader);
    std::optional<std::vector<std::uint8_t>> start =
        FileSystem::ReadStart(FileNameFor(FileName()), headerLength + 1);
    return start && start->size() > headerLength;
}

bool RawLog::Start() {
    std::lock_guard lock(mutex);
    CloseFile();
    std::string name = FileNameFor(fileName);
    file = std::fopen(name.c_str(), "wb");
    if (!file) {
        return false;
    }
    fileName = name;
    std::size_t length = std::strlen(kHeader);
    if (std::fwrite(kHeader, 1, length, file) != length || std::fflush(file) != 0) {
        CloseFile();
        return false;
    }
    return true;
}

void RawLog::Stop() {
    std::lock_guard lock(mutex);
    CloseFile();
}

bool RawLog::IsOn() const {
    std::lock_guard lock(mutex);
    return file != nullptr;
}

void RawLog::Append(const std::uint8_t* bytes, std::size_t count) {
    std::lock_guard lock(mutex);
    if (!file || count == 0) {
        return;
    }
    // Flushed at once, so a power cut loses at most the pass being written.
    if (std::fwrite(bytes, 1, count, file) != count || std::fflush(file) != 0) {
        CloseFile();
    }
}

std::string RawLog::FileName() const {
    std::lock_guard lock(mutex);
    return fileName;
}

void RawLog::SetFileName(const std::string& name) {
    std::lock_guard lock(mutex);
    fileName = name;
}

void RawLog::CloseFile() {
    if (file) {
        std::fclose(file);
        file = nullptr;
    }
}

}  // namespace rovik
