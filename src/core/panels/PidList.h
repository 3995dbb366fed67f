#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rovik {

class ByteReader;
class ByteWriter;

// A list of PIDs as panel records keep it: a 4-byte count, then each PID as PID bytes. A
// panel keeps at most kMaxCount of them.
struct PidList {
    static constexpr std::size_t kMaxCount = 99;

    // Reads the count and the list, keeping the first kMaxCount entries and consuming the
    // rest so that the next field is found. False, with the list untouched, when the file
    // ends inside it.
    static bool Read(ByteReader& reader, std::vector<std::uint16_t>& list);
    // Writes the count and at most kMaxCount entries.
    static void Write(ByteWriter& writer, const std::vector<std::uint16_t>& list);
    // The PIDs chosen in a properties dialog, in list order: the first kMaxCount of them, or
    // the single PID whenNone when none is chosen, so the panel always shows something.
    static std::vector<std::uint16_t> Chosen(std::vector<std::uint16_t> chosen,
                                             std::uint16_t whenNone);
};

}  // namespace rovik
