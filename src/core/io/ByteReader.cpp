#include "core/io/ByteReader.h"

#include <cstring>

namespace rovik {

bool ByteReader::Take(std::size_t count, const std::uint8_t*& start) {
    if (!ok || data.size() - position < count) {
        ok = false;
        return false;
    }
    start = data.data() + position;
    position += count;
    return true;
}

bool ByteReader::ReadU8(std::uint8_t& value) {
    const std::uint8_t* start = nullptr;
    if (!Take(1, start)) {
        return false;
    }
    value = start[0];
    return true;
}

bool ByteReader::ReadU16(std::uint16_t& value) {
    const std::uint8_t* start = nullptr;
    if (!Take(2, start)) {
        return false;
    }
    value = static_cast<std::uint16_t>(start[0] | (start[1] << 8));
    return true;
}

bool ByteReader::ReadU32(std::uint32_t& value) {
    const std::uint8_t* start = nullptr;
    if (!Take(4, start)) {
        return false;
    }
    value = static_cast<std::uint32_t>(start[0]) | (static_cast<std::uint32_t>(start[1]) << 8) |
            (static_cast<std::uint32_t>(start[2]) << 16) |
            (static_cast<std::uint32_t>(start[3]) << 24);
    return true;
}

bool ByteReader::ReadFloat(float& value) {
    std::uint32_t bits = 0;
    if (!ReadU32(bits)) {
        return false;
    }
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteReader::ReadDouble(double& value) {
    const std::uint8_t* start = nullptr;
    if (!Take(8, start)) {
        return false;
    }
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | start[i];
    }
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteReader::PeekU32(std::uint32_t& value) const {
    if (!ok || data.size() - position < 4) {
        return false;
    }
    ByteReader ahead(data);
    ahead.position = position;
    return ahead.ReadU32(value);
}

bool ByteReader::ReadCString(std::string& value) {
    // memchr may not be handed the null pointer of an empty buffer, even for no bytes.
    const bool searchable = ok && position < data.size();
    const void* end =
        searchable ? std::memchr(data.data() + position, 0, data.size() - position) : nullptr;
    if (!end) {
        ok = false;
        return false;
    }
    std::size_t length = static_cast<const std::uint8_t*>(end) - (data.data() + position);
    value.assign(reinterpret_cast<const char*>(data.data() + position), length);
    position += length + 1;
    return true;
}

bool ByteReader::ReadChars(std::size_t count, std::string& value) {
    const std::uint8_t* start = nullptr;
    if (!Take(count, start)) {
        return false;
    }
    value.assign(reinterpret_cast<const char*>(start), count);
    return true;
}

bool ByteReader::ReadShortString(std::string& value) {
    std::uint8_t length = 0;
    return ReadU8(length) && ReadChars(length, value);
}

bool ByteReader::Skip(std::size_t count) {
    const std::uint8_t* start = nullptr;
    return Take(count, start);
}

}  // namespace rovik
