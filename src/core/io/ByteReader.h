#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rovik {

// Reads little-endian fields from the bytes of a file. It never reads past the end: a read
// that would leaves its target untouched, and from then on Ok() is false.
class ByteReader {
public:
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : data(bytes) {}

    bool ReadU8(std::uint8_t& value);
    bool ReadU16(std::uint16_t& value);
    bool ReadU32(std::uint32_t& value);
    bool ReadFloat(float& value);
    bool ReadDouble(double& value);
    // The next four bytes as a U32 without moving on; false, and nothing else changed, when
    // fewer are left.
    bool PeekU32(std::uint32_t& value) const;
    // Characters up to a 0 byte, which is consumed but not kept.
    bool ReadCString(std::string& value);
    // Exactly count characters, with no length byte or terminator.
    bool ReadChars(std::size_t count, std::string& value);
    // A length byte, then that many characters.
    bool ReadShortString(std::string& value);
    bool Skip(std::size_t count);

    bool Ok() const { return ok; }
    std::size_t Position() const { return position; }

private:
    bool Take(std::size_t count, const std::uint8_t*& start);

    const std::vector<std::uint8_t>& data;
    std::size_t position = 0;
    bool ok = true;
};

}  // namespace rovik
