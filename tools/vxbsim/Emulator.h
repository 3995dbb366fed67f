#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "vxbsim/BoxCommand.h"
#include "vxbsim/BoxEncoder.h"
#include "vxbsim/BoxStatistics.h"
#include "vxbsim/CommandParser.h"
#include "vxbsim/Endpoint.h"
#include "vxbsim/FaultList.h"
#include "vxbsim/RegisterBank.h"
#include "vxbsim/TireReceiver.h"
#include "vxbsim/VehicleModel.h"

namespace vxbsim {

// The box: every period it steps the vehicle and sends its messages in the model's format,
// about once a second its statistics, and it answers the program's commands.
// Threads: Tick runs on the box's own thread once Start is called (or on the caller's, for a
// test that never starts it) and alone touches the vehicle, statistics, registers and parser.
// Every other method may be called from any thread: the switches are atomic, the fault list
// and the record of received bytes have their own locks, and one lock keeps each write to
// the endpoint whole and in order.
class Emulator {
public:
    Emulator(BoxModel model, Endpoint& endpoint, int periodMs = 100, VehicleModel vehicle = {});
    ~Emulator();
    Emulator(const Emulator&) = delete;
    Emulator& operator=(const Emulator&) = delete;

    void Start();
    void Stop();
    // One period: answer what the program sent, step the vehicle, send what is due.
    void Tick();

    // Every byte the program sent so far.
    std::string Received() const;
    // The J1708 messages the program asked the box to put on the data link, in order, as
    // "SEND" frames or "S" lines; a frame whose sum is wrong is not sent and not listed.
    std::vector<Message> J1708Sent() const;
    // How often the program zeroed the box's fuel meter.
    int FuelMeterZeroings() const { return fuelMeterZeroings; }
    // A silent box sends nothing at all, not even fed bytes.
    void SetSilent(bool silent) { quiet = silent; }
    // A silent vehicle sends no J1708 or J1939 message; the box still reports and answers.
    void SetVehicleSilent(bool silent) { vehicleQuiet = silent; }
    // A scripted box sends only the bytes given to Send: no vehicle messages, statistics or
    // answers. It still records and acts on commands.
    void SetScripted(bool on) { scripted = on; }
    // Writes the bytes as they are, whole, after whatever the box wrote before.
    void Send(const std::string& bytes);
    // The J1708 controller sends its quickly changing items only every given number of
    // periods, to keep the byte rate down. Only before Start, or on the thread that ticks.
    void SetFastEvery(std::uint8_t mid, int periods);

    // Fault codes the controllers report from the next second on; false when FaultList
    // refuses the fault.
    bool RaiseFault(const J1587Fault& fault) { return faults.Raise(fault); }
    bool RaiseFault(const J1939Fault& fault) { return faults.Raise(fault); }
    bool ClearJ1587Fault(std::uint8_t mid, std::uint8_t code, bool isSid);
    bool ClearJ1939Fault(std::uint8_t source, std::uint32_t spn, std::uint8_t fmi);
    void ClearFaults() { faults.ClearAll(); }

    // A tire pressure receiver with sensors at its first positions joins the vehicle and
    // answers the program's tire commands. Only before Start, or on the thread that ticks.
    void AddTireReceiver(int sensors) { tires = std::make_unique<TireReceiver>(sensors); }
    // The receiver, to make a tire low or a sensor silent; none until one was added.
    TireReceiver* Tires() { return tires.get(); }

private:
    void Run();
    std::string ReadIncoming();
    void Answer(const std::string& incoming);
    void Handle(const BoxCommand& command);
    void AnswerRequest(const J1939Frame& request);
    void Transmit(const Message& message);
    void SendVehicle(bool slow);
    void SendDm1s();
    void SendJ1708(const Message& message);
    void SendJ1939(const J1939Frame& frame);
    // Writes what the box itself says, unless it is silent or scripted.
    void Say(const std::string& bytes);
    void Write(const std::string& bytes);
    bool VehicleSpeaks() const { return !quiet && !scripted && !vehicleQuiet; }
    bool FastDue(const Message& message) const;

    BoxEncoder encoder;
    Endpoint& endpoint;
    int periodMs;
    int ticksPerSecond;
    long tick = 0;
    VehicleModel vehicle;
    BoxStatistics statistics;
    RegisterBank registers;
    CommandParser parser;
    FaultList faults;
    std::unique_ptr<TireReceiver> tires;
    std::map<std::uint8_t, int> fastEvery;
    std::mutex endpointMutex;
    mutable std::mutex receivedMutex;
    std::string received;
    std::vector<Message> j1708Sent;
    std::atomic<int> fuelMeterZeroings{0};
    std::atomic<bool> quiet{false};
    std::atomic<bool> vehicleQuiet{false};
    std::atomic<bool> scripted{false};
    std::atomic<bool> running{false};
    std::thread worker;
};

}  // namespace vxbsim
