#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rovik {

// Builds the bytes of a file, little-endian, field by field.
class ByteWriter {
public:
    void WriteU8(std::uint8_t value) { data.push_back(value); }
    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);
    void WriteFloat(float value);
    void WriteDouble(double value);
    // The characters alone, with no length or terminator.
    void WriteChars(const std::string& value);
    // The characters, then a 0 byte.
    void WriteCString(const std::string& value);
    // A length byte, then at most 255 characters.
    void WriteShortString(const std::string& value);

    const std::vector<std::uint8_t>& Bytes() const { return data; }

private:
    std::vector<std::uint8_t> data;
};

}  // namespace rovik
