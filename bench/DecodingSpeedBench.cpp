// How fast the receive path frames and decodes each byte format of the box. Each stream is
// half an hour of a drive from the box emulator, with faults raised so the fault codes are
// decoded too, fed in reads of 256 bytes as a receive pass reads them.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>

#include "core/diag/FaultRecorder.h"
#include "core/link/BoxState.h"
#include "core/link/LinkEvents.h"
#include "core/link/PacketFramer.h"
#include "core/values/ValueStore.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/RecordingEndpoint.h"

using namespace rovik;

namespace {
constexpr int kTicks = 30 * 60 * 10;
constexpr std::size_t kReadSize = 256;

class CountingEvents : public LinkEvents {
public:
    void NoteTraffic() override {}
    void NoteVehicleMessage() override { ++messages; }
    void NoteBoxReport(bool) override {}

    std::int64_t messages = 0;
};

// The codes are decoded; keeping them is the fault list's work, not the decoders'.
class IgnoredFaults : public FaultRecorder {
public:
    void RecordFault(std::uint8_t, std::uint32_t, std::uint8_t, std::uint8_t, bool) override {}
};

std::string Drive(vxbsim::BoxModel model) {
    vxbsim::RecordingEndpoint log;
    vxbsim::Emulator box(model, log);
    box.RaiseFault(vxbsim::J1587Fault{128, 110, false, 0, 3});
    box.RaiseFault(vxbsim::J1587Fault{130, 177, false, 0, 0});
    // More than one code from a sender goes out by the transport protocol.
    for (std::uint32_t spn : {110u, 100u, 520204u}) {
        box.RaiseFault(vxbsim::J1939Fault{0, spn, 0, 1});
        box.RaiseFault(vxbsim::J1939Fault{3, spn + 1, 2, 1});
    }
    for (int tick = 0; tick < kTicks; ++tick) {
        box.Tick();
    }
    return log.Recorded();
}

// The text lines of the stream of one kind: those that start with first, but not with two.
std::string LinesOf(const std::string& text, char first, const std::string& butNot) {
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] == first && line.rfind(butNot, 0) != 0) {
            kept += line + "\n";
        }
    }
    return kept;
}

const std::string& BinaryFrames() {
    static const std::string stream = Drive(vxbsim::BoxModel::Vx100);
    return stream;
}

const std::string& TextStream() {
    static const std::string stream = Drive(vxbsim::BoxModel::Vx101);
    return stream;
}

const std::string& J1708Lines() {
    static const std::string stream = LinesOf(TextStream(), 'J', "JS");
    return stream;
}

const std::string& J1939Lines() {
    static const std::string stream = LinesOf(TextStream(), 'R', "!R");
    return stream;
}

void FrameAndDecode(benchmark::State& state, const std::string& (*stream)(), bool binary) {
    const std::string& bytes = stream();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    ValueStore store("/RovikDecodeBench-" + std::to_string(::getpid()));
    BoxState box;
    CountingEvents events;
    IgnoredFaults faults;
    for (auto _ : state) {
        PacketFramer framer(store, box, events);
        framer.SetBinary(binary);
        framer.SetFaultRecorder(&faults);
        for (std::size_t at = 0; at < bytes.size(); at += kReadSize) {
            framer.Consume(data + at, std::min(kReadSize, bytes.size() - at));
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["messages/s"] =
        benchmark::Counter(static_cast<double>(events.messages), benchmark::Counter::kIsRate);
    state.counters["stream_kB"] = static_cast<double>(bytes.size()) / 1000.0;
}
}  // namespace

BENCHMARK_CAPTURE(FrameAndDecode, BinaryJ1708Frames, &BinaryFrames, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FrameAndDecode, J1708Lines, &J1708Lines, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FrameAndDecode, J1939LinesWithTransportAndDm1, &J1939Lines, false)
    ->Unit(benchmark::kMillisecond);
