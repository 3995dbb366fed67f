#pragma once

// Reads the box's bytes back the way a receiver does, written apart from the emulator so a
// fault in its encoders cannot hide in a shared helper.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace decode {

using Bytes = std::vector<std::uint8_t>;

// A hex digit as the receiver reads it: a digit above '9' counts as its code minus 55, so
// only upper-case digits give their usual values.
inline unsigned Digit(char c) {
    return c <= '9' ? static_cast<unsigned>(c - '0') : static_cast<unsigned>(c - 55);
}

inline unsigned ByteAt(const std::string& line, std::size_t at) {
    return Digit(line.at(at)) * 16 + Digit(line.at(at + 1));
}

inline unsigned HighFirst(const std::string& line, std::size_t at) {
    return ByteAt(line, at) * 256 + ByteAt(line, at + 2);
}

inline unsigned LowFirst(const std::string& line, std::size_t at) {
    return ByteAt(line, at) + 256 * ByteAt(line, at + 2);
}

inline bool IsUpperHex(const std::string& text) {
    return text.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

// The lines of a text stream without their "\r\n"; a line missing its end is an error.
inline std::vector<std::string> Lines(const std::string& stream) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = stream.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(stream.substr(start, end - start));
    }
    if (start != stream.size()) {
        lines.push_back("<unterminated>" + stream.substr(start));
    }
    return lines;
}

// The messages of a binary stream, each ended by four 0xFF bytes, checksum included.
inline std::vector<Bytes> BinaryFrames(const std::string& stream) {
    std::vector<Bytes> frames;
    Bytes current;
    for (std::size_t i = 0; i < stream.size(); ++i) {
        if (stream.compare(i, 4, "\xFF\xFF\xFF\xFF") == 0 &&
            (i + 4 == stream.size() || static_cast<std::uint8_t>(stream[i + 4]) != 0xFF)) {
            frames.push_back(current);
            current.clear();
            i += 3;
        } else {
            current.push_back(static_cast<std::uint8_t>(stream[i]));
        }
    }
    return frames;
}

inline Bytes JLineBytes(const std::string& line) {
    Bytes bytes;
    for (std::size_t at = 1; at + 1 < line.size(); at += 2) {
        bytes.push_back(static_cast<std::uint8_t>(ByteAt(line, at)));
    }
    return bytes;
}

inline std::uint8_t Sum(const Bytes& bytes) {
    std::uint8_t sum = 0;
    for (std::uint8_t b : bytes) {
        sum = static_cast<std::uint8_t>(sum + b);
    }
    return sum;
}

using Item = std::pair<int, Bytes>;

// The PID items of a J1587 message (checksum included), in order, each with its data; page-2
// PIDs count from 256. An item that would run into the checksum is returned as PID -1.
inline std::vector<Item> Items(const Bytes& message) {
    std::vector<Item> items;
    std::size_t i = 1;
    int page = 0;
    if (message.size() > 2 && message[1] == 255) {
        page = 256;
        i = 2;
    }
    const std::size_t end = message.size() - 1;
    while (i < end) {
        int pid = message[i];
        bool counted = pid >= 192;
        if (counted && i + 1 >= end) {
            items.push_back({-1, {}});
            break;
        }
        std::size_t length = pid < 128 ? 1 : pid < 192 ? 2 : 1 + message[i + 1];
        if (i + 1 + length > end) {
            items.push_back({-1, {}});
            break;
        }
        auto first = message.begin() + static_cast<std::ptrdiff_t>(counted ? i + 2 : i + 1);
        auto last = message.begin() + static_cast<std::ptrdiff_t>(i + 1 + length);
        items.push_back({page + pid, Bytes(first, last)});
        i += 1 + length;
    }
    return items;
}

inline double LittleEndian(const Bytes& bytes, std::size_t from = 0, std::size_t count = 8) {
    double value = 0;
    for (std::size_t k = std::min(bytes.size(), from + count); k > from; --k) {
        value = value * 256 + bytes[k - 1];
    }
    return value;
}

struct Frame {
    unsigned source = 0;
    unsigned pgn = 0;
    std::array<std::uint8_t, 8> data{};
};

// An "R" line: source at 1-2, PGN at 3-8 high byte first, data pairs from 9.
inline Frame RLine(const std::string& line) {
    Frame frame;
    frame.source = ByteAt(line, 1);
    frame.pgn = ByteAt(line, 3) << 16 | ByteAt(line, 5) << 8 | ByteAt(line, 7);
    frame.data.fill(0xFF);
    for (std::size_t k = 0; 9 + 2 * k < line.size() && k < 8; ++k) {
        frame.data[k] = static_cast<std::uint8_t>(ByteAt(line, 9 + 2 * k));
    }
    return frame;
}

}  // namespace decode
