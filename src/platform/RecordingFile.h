#pragma once

#include <string>

#include "platform/FileDescriptor.h"
#include "platform/Transport.h"

namespace rovik {

// A recorded byte stream read in place of a box, from its beginning. Only a regular file
// is played: a pipe or a device could block the reader forever. Bytes written to it are
// dropped, since a recording takes no commands.
class RecordingFile : public Transport {
public:
    // False when the path names no regular file that can be read.
    bool Open(const std::string& path);

    ReadResult Read(std::uint8_t* buffer, std::size_t capacity) override;
    int WriteByte(std::uint8_t byte) override;
    bool WriteAll(const std::uint8_t* bytes, std::size_t count) override;

private:
    FileDescriptor file;
};

}  // namespace rovik
