#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"
#include "vxbsim/TcpEndpoint.h"

namespace {
volatile std::sig_atomic_t stopRequested = 0;

int Usage() {
    std::fprintf(stderr,
                 "usage: vxbsim [--model vx100|vx101|vx150] [--pty | --tcp [PORT]]\n"
                 "Emulates a VXB box: serves a pseudo-terminal (prints its path) or listens\n"
                 "on 127.0.0.1 (port 51966 by default), and streams a simulated drive.\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    vxbsim::BoxModel model = vxbsim::BoxModel::Vx100;
    bool tcp = false;
    int port = 51966;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--model" && i + 1 < argc) {
            std::string name = argv[++i];
            model = name == "vx150"   ? vxbsim::BoxModel::Vx150
                    : name == "vx101" ? vxbsim::BoxModel::Vx101
                                      : vxbsim::BoxModel::Vx100;
        } else if (arg == "--tcp") {
            tcp = true;
            if (i + 1 < argc && argv[i + 1][0] != '-') {
                port = std::atoi(argv[++i]);
            }
        } else if (arg != "--pty") {
            return Usage();
        }
    }
    std::unique_ptr<vxbsim::Endpoint> endpoint;
    if (tcp) {
        auto server = std::make_unique<vxbsim::TcpEndpoint>(static_cast<std::uint16_t>(port));
        if (!server->IsListening()) {
            std::fprintf(stderr, "vxbsim: cannot listen on port %d\n", port);
            return 1;
        }
        std::printf("listening on 127.0.0.1:%u\n", server->Port());
        endpoint = std::move(server);
    } else {
        auto pty = std::make_unique<vxbsim::PtyEndpoint>();
        if (!pty->IsOpen()) {
            std::fprintf(stderr, "vxbsim: cannot create a pseudo-terminal\n");
            return 1;
        }
        std::printf("%s\n", pty->DevicePath().c_str());
        endpoint = std::move(pty);
    }
    std::fflush(stdout);
    std::signal(SIGINT, [](int) { stopRequested = 1; });
    std::signal(SIGTERM, [](int) { stopRequested = 1; });
    vxbsim::Emulator emulator(model, *endpoint);
    emulator.Start();
    while (!stopRequested) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    emulator.Stop();
    return 0;
}
