#include "core/io/ByteWriter.h"

#include <algorithm>
#include <cstring>

namespace rovik {

void ByteWriter::WriteU16(std::uint16_t value) {
    data.push_back(static_cast<std::uint8_t>(value));
    data.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::WriteU32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        data.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void ByteWriter::WriteFloat(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    WriteU32(bits);
}

void ByteWriter::WriteDouble(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int shift = 0; shift < 64; shift += 8) {
        data.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
}

void ByteWriter::WriteChars(const std::string& value) {
    data.insert(data.end(), value.begin(), value.end());
}

void ByteWriter::WriteCString(const std::string& value) {
    data.insert(data.end(), value.begin(), value.end());
    data.push_back(0);
}

void ByteWriter::WriteShortString(const std::string& value) {
    std::size_t length = std::min<std::size_t>(value.size(), 255);
    data.push_back(static_cast<std::uint8_t>(length));
    data.insert(data.end(), value.begin(), value.begin() + static_cast<std::ptrdiff_t>(length));
}

}  // namespace rovik
