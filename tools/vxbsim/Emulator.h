#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "vxbsim/BoxEncoder.h"
#include "vxbsim/Endpoint.h"
#include "vxbsim/VehicleModel.h"

namespace vxbsim {

// The box: every period it steps the vehicle and sends its messages in the model's format,
// records what the program sends and answers version requests. Runs on its own thread;
// Received and SetSilent may be called from any thread.
class Emulator {
public:
    Emulator(BoxModel model, Endpoint& endpoint, int periodMs = 100);
    ~Emulator();
    Emulator(const Emulator&) = delete;
    Emulator& operator=(const Emulator&) = delete;

    void Start();
    void Stop();
    // Every byte the program sent so far.
    std::string Received() const;
    // A silent box sends nothing at all.
    void SetSilent(bool silent) { quiet = silent; }

private:
    void Run();
    void Answer(const std::string& incoming);

    BoxEncoder encoder;
    Endpoint& endpoint;
    int periodMs;
    VehicleModel vehicle;
    mutable std::mutex receivedMutex;
    std::string received;
    std::atomic<bool> quiet{false};
    std::atomic<bool> running{false};
    std::thread worker;
};

}  // namespace vxbsim
