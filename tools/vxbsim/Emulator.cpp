#include "vxbsim/Emulator.h"

#include <chrono>

#include "vxbsim/J1587Builder.h"

namespace vxbsim {

Emulator::Emulator(BoxModel model, Endpoint& box, int period)
    : encoder(model), endpoint(box), periodMs(period) {}

Emulator::~Emulator() {
    Stop();
}

void Emulator::Start() {
    running = true;
    worker = std::thread(&Emulator::Run, this);
}

void Emulator::Stop() {
    running = false;
    if (worker.joinable()) {
        worker.join();
    }
}

std::string Emulator::Received() const {
    std::lock_guard lock(receivedMutex);
    return received;
}

void Emulator::Answer(const std::string& incoming) {
    {
        std::lock_guard lock(receivedMutex);
        received += incoming;
    }
    // Every "V" the program sends is a version request.
    for (char c : incoming) {
        if (c == 'V' && !quiet) {
            endpoint.Write(encoder.VersionReply());
        }
    }
}

void Emulator::Run() {
    while (running) {
        Answer(endpoint.ReadAvailable());
        vehicle.Step(periodMs / 1000.0);
        if (!quiet) {
            for (const Message& message : J1587Builder::Fast(vehicle)) {
                endpoint.Write(encoder.Encode(message));
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(periodMs));
    }
}

}  // namespace vxbsim
