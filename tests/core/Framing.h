#pragma once

#include <gtest/gtest.h>

#include <cstdio>

#include "support/FramedLink.h"

// Streams and a fixture shared by the framing and decoder tests.
namespace rovik::test {
constexpr auto kText = ConnectionType::Vx101Usb;
const Bytes kSpeed55 = {128, 84, 110};

inline std::string JLine(const Bytes& message) {
    return "J" + Hex(WithChecksum(message)) + "\r\n";
}

// The decoders behind the framing of one kind of box.
template <ConnectionType kType>
struct Decoding : ::testing::Test {
    // Sends one "R" line from the source with the given PGN and data.
    void Send(int source, std::uint32_t pgn, const Bytes& data) {
        char header[16];
        std::snprintf(header, sizeof header, "R%02X%06X", source, pgn);
        framed.FeedLine(header + Hex(data));
    }
    float Value(int slot, unsigned pid) const { return framed.Value(slot, pid); }
    std::uint32_t Count(int slot, unsigned pid) const { return framed.Count(slot, pid); }
    std::uint8_t Raw(int slot, unsigned pid) const { return framed.Raw(slot, pid); }
    const std::vector<RecordedFaults::Fault>& Faults() const { return framed.Faults(); }

    FramedLink framed{kType};
};
}  // namespace rovik::test
