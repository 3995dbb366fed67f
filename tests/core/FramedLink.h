#pragma once

#include <unistd.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "core/diag/FaultRecorder.h"
#include "core/link/PacketFramer.h"
#include "core/values/PreferredSourceTable.h"
#include "support/MessageBytes.h"
#include "support/TestLink.h"

namespace rovik::test {

// Every call the decoders make to the fault collector, to compare with what was sent.
struct RecordedFaults : FaultRecorder {
    using Fault = std::tuple<int, std::uint32_t, int, int, bool>;
    void RecordFault(std::uint8_t source, std::uint32_t code, std::uint8_t secondByte,
                     std::uint8_t occurrence, bool isJ1939) override {
        faults.emplace_back(source, code, secondByte, occurrence, isJ1939);
    }
    std::vector<Fault> faults;
};

// A link whose port cannot open, with a framer of its own to feed bytes straight in.
struct FramedLink {
    explicit FramedLink(ConnectionType type)
        : parts("/RovikFramingTest-" + std::to_string(::getpid())),
          framer(parts.values.Store(), parts.box, parts.link) {
        link.SetPortName("COM0");
        link.SetConnectionType(type);
        link.SetFaultRecorder(&recorded);
        framer.SetFaultRecorder(&recorded);
        framer.SetBinary(type == ConnectionType::Vx100Serial);
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
    LinkStatus Status() const { return link.GetStatus(); }

    TestLink parts;
    LinkReader& link = parts.link;
    PacketFramer framer;
    RecordedFaults recorded;
};

}  // namespace rovik::test
