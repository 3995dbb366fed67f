#include "platform/RecordingFile.h"

namespace rovik {

bool RecordingFile::Open(const std::string& path) {
    file = FileDescriptor::OpenRegular(path);
    return file.IsOpen();
}

ReadResult RecordingFile::Read(std::uint8_t* buffer, std::size_t capacity) {
    ReadResult result;
    result.failed = static_cast<bool>(file.Read(buffer, capacity, result.count));
    return result;
}

int RecordingFile::WriteByte(std::uint8_t) {
    return 1;
}

bool RecordingFile::WriteAll(const std::uint8_t*, std::size_t) {
    return true;
}

}  // namespace rovik
