#pragma once

#include <unistd.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "core/diag/FaultRecorder.h"
#include "core/link/LinkReader.h"
#include "core/link/PacketFramer.h"
#include "support/MessageBytes.h"

namespace rovik::test {

// Every call the decoders make to the fault collector, to compare with what was sent.
struct RecordedFaults : FaultRecorder {
    using Fault = std::tuple<int, std::uint32_t, int, int, bool>;
    void CollectJ1587Faults(const J1708Frame& frame, std::size_t index) override {
        collected.emplace_back(frame.Mid(), index);
    }
    void RecordFault(std::uint8_t source, std::uint32_t code, std::uint8_t secondByte,
                     std::uint8_t occurrence, bool isJ1939) override {
        faults.emplace_back(source, code, secondByte, occurrence, isJ1939);
    }
    std::vector<std::pair<int, std::size_t>> collected;
    std::vector<Fault> faults;
};

// A link whose port cannot open, with a framer of its own to feed bytes straight in.
struct FramedLink {
    explicit FramedLink(ConnectionType type)
        : link("/RovikFramingTest-" + std::to_string(::getpid())), framer(link) {
        link.SetPortName("COM0");
        link.SetConnectionType(type);
        link.SetFaultRecorder(&recorded);
        framer.SetFaultRecorder(&recorded);
    }

    // Feeds the bytes; true when the frame buffer overran.
    bool Feed(const Bytes& bytes) { return framer.Consume(bytes.data(), bytes.size()); }
    bool Feed(const std::string& text) {
        return framer.Consume(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
    // A binary frame as the RS-232 box sends it. A lone byte that is too short to be a
    // message follows, so the frame is handed on at once and the next one starts clean.
    void FeedFrame(const Bytes& message) {
        Bytes bytes = WithChecksum(message);
        bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
        Feed(bytes);
    }
    void FeedLine(const std::string& line) { Feed(line + "\r\n"); }
    std::uint32_t Status() const { return link.GetStatus(); }

    LinkReader link;
    PacketFramer framer;
    RecordedFaults recorded;
};

}  // namespace rovik::test
