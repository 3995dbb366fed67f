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

// A link whose port cannot open, with the program's framing and decoders of its own to feed
// bytes straight in. It counts what the framing tells the link before passing it on.
struct FramedLink : LinkEvents {
    explicit FramedLink(ConnectionType type)
        : parts(BlockName()),
          framer(parts.values.Store(), parts.box, *this),
          binary(type == ConnectionType::Vx100Serial) {
        link.SetPortName("COM0");
        link.SetConnectionType(type);
        framer.SetFaultRecorder(&recorded);
        framer.SetTireMonitor(&parts.values.Tires());
        framer.SetBinary(binary);
    }

    // Feeds the bytes; true when the frame buffer overran.
    bool Feed(const Bytes& bytes) { return framer.Consume(bytes.data(), bytes.size()); }
    bool Feed(const std::string& text) {
        return framer.Consume(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
    // A binary frame is only checked when the next one begins: after a stream's last end
    // marks, a lone byte too short to be a message hands it on and the next frame starts clean.
    void Flush() {
        if (binary) {
            Feed(Bytes{0x00, 0xFF, 0xFF, 0xFF, 0xFF});
        }
    }
    // A binary frame as the RS-232 box sends it, handed on at once.
    void FeedFrame(const Bytes& message) {
        Bytes frame = WithChecksum(message);
        frame.insert(frame.end(), {0xFF, 0xFF, 0xFF, 0xFF});
        Feed(frame);
        Flush();
    }
    void FeedLine(const std::string& line) { Feed(line + "\r\n"); }

    LinkStatus Status() const { return link.GetStatus(); }
    float Value(int slot, unsigned pid) const { return parts.values.Store().SlotValue(slot, pid); }
    std::uint32_t Count(int slot, unsigned pid) const {
        return parts.values.Store().SlotUpdateCount(slot, pid);
    }
    std::uint8_t Raw(int slot, unsigned pid, int at = 0) const {
        return parts.values.Store().SlotRawBytes(slot, pid)[at];
    }
    const std::vector<RecordedFaults::Fault>& Faults() const { return recorded.faults; }

    void NoteTraffic() override { link.NoteTraffic(); }
    void NoteVehicleMessage() override {
        ++vehicleMessages;
        link.NoteVehicleMessage();
    }
    void NoteBoxReport(bool failed) override {
        ++reports;
        link.NoteBoxReport(failed);
    }

    // Each link maps a value block of its own, so two may live side by side.
    static std::string BlockName() {
        static int made = 0;
        return "/RovikFramedLink-" + std::to_string(::getpid()) + "-" + std::to_string(++made);
    }

    TestLink parts;
    LinkReader& link = parts.link;
    PacketFramer framer;
    RecordedFaults recorded;
    const bool binary;
    int vehicleMessages = 0;
    int reports = 0;
};

}  // namespace rovik::test
