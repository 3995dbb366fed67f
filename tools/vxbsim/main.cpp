#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "vxbsim/CommandLine.h"
#include "vxbsim/DemoDrive.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"
#include "vxbsim/TcpEndpoint.h"

namespace {
volatile std::sig_atomic_t stopRequested = 0;
constexpr double kFaultAfterSeconds = 5.0;

std::unique_ptr<vxbsim::Endpoint> OpenEndpoint(const vxbsim::CommandLine::Options& options) {
    if (options.tcp) {
        auto server =
            std::make_unique<vxbsim::TcpEndpoint>(static_cast<std::uint16_t>(options.port));
        if (!server->IsListening()) {
            std::fprintf(stderr, "vxbsim: cannot listen on port %d\n", options.port);
            return nullptr;
        }
        std::printf("listening on 127.0.0.1:%u\n", server->Port());
        return server;
    }
    auto pty = std::make_unique<vxbsim::PtyEndpoint>();
    if (!pty->IsOpen()) {
        std::fprintf(stderr, "vxbsim: cannot create a pseudo-terminal\n");
        return nullptr;
    }
    std::printf("%s\n", pty->DevicePath().c_str());
    return pty;
}

// The first count of: coolant too hot, oil pressure too low (both on the engine), and
// transmission oil too hot; each on both links.
void RaiseSampleFaults(vxbsim::Emulator& box, int count) {
    const std::vector<std::pair<vxbsim::J1587Fault, vxbsim::J1939Fault>> samples = {
        {{.mid = 128, .code = 110, .fmi = 0, .occurrences = 1},
         {.source = 0, .spn = 110, .fmi = 0, .occurrences = 1}},
        {{.mid = 128, .code = 100, .fmi = 1, .occurrences = 3},
         {.source = 0, .spn = 100, .fmi = 1, .occurrences = 3}},
        {{.mid = 130, .code = 177, .fmi = 0, .occurrences = 1},
         {.source = 3, .spn = 177, .fmi = 0, .occurrences = 1}},
    };
    for (int i = 0; i < count; ++i) {
        box.RaiseFault(samples[static_cast<std::size_t>(i)].first);
        box.RaiseFault(samples[static_cast<std::size_t>(i)].second);
    }
    std::printf("raised %d sample fault(s) on both links\n", count);
    std::fflush(stdout);
}

// Writes beside the file first and renames it over the old one, so a failed run never leaves
// a cut recording behind.
bool WriteWhole(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    bool written = file != nullptr;
    if (file != nullptr) {
        written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        written = std::fclose(file) == 0 && written;
    }
    written = written && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!written) {
        std::fprintf(stderr, "vxbsim: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        std::remove(temporary.c_str());
    }
    return written;
}

int Record(const vxbsim::CommandLine::Options& options) {
    std::string log = vxbsim::DemoDrive::Record(options.recordMinutes);
    if (!WriteWhole(options.recordPath, log)) {
        return 1;
    }
    std::printf("wrote %s: %zu bytes, a drive of %d min\n", options.recordPath.c_str(), log.size(),
                options.recordMinutes);
    return 0;
}

void AddTires(vxbsim::Emulator& box, const vxbsim::CommandLine::Options& options) {
    if (options.tires == 0) {
        return;
    }
    box.AddTireReceiver(options.tires);
    if (options.lowTire >= 0) {
        box.Tires()->SetLow(options.lowTire, true);
    }
    if (options.silentSensor >= 0) {
        box.Tires()->SetSilent(options.silentSensor, true);
    }
}

void Run(vxbsim::Emulator& box, const vxbsim::CommandLine::Options& options) {
    auto start = std::chrono::steady_clock::now();
    bool faultsDue = options.faults > 0;
    bool silenceDue = options.vehicleSilentAfter >= 0.0;
    while (!stopRequested) {
        std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (silenceDue && elapsed.count() >= options.vehicleSilentAfter) {
            silenceDue = false;
            box.SetVehicleSilent(true);
            std::printf("the vehicle side is silent now\n");
            std::fflush(stdout);
        }
        if (faultsDue && elapsed.count() >= kFaultAfterSeconds) {
            faultsDue = false;
            RaiseSampleFaults(box, options.faults);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
}  // namespace

int main(int argc, char** argv) {
    std::string error;
    auto options =
        vxbsim::CommandLine::Parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "vxbsim: %s\n%s", error.c_str(), vxbsim::CommandLine::Usage());
        return 2;
    }
    if (options->help) {
        std::printf("%s", vxbsim::CommandLine::Usage());
        return 0;
    }
    if (!options->recordPath.empty()) {
        return Record(*options);
    }
    std::unique_ptr<vxbsim::Endpoint> endpoint = OpenEndpoint(*options);
    if (!endpoint) {
        return 1;
    }
    std::fflush(stdout);
    std::signal(SIGINT, [](int) { stopRequested = 1; });
    std::signal(SIGTERM, [](int) { stopRequested = 1; });
    vxbsim::Emulator box(options->model, *endpoint);
    AddTires(box, *options);
    box.Start();
    Run(box, *options);
    box.Stop();
    return 0;
}
