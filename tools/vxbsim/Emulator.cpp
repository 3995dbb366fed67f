#include "vxbsim/Emulator.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <set>
#include <utility>

#include "vxbsim/Dm1Builder.h"
#include "vxbsim/J1587Builder.h"
#include "vxbsim/J1939Builder.h"

namespace vxbsim {

namespace {
constexpr std::uint32_t kRequestPgn = 0x00EA00;
constexpr std::uint8_t kGlobal = 0xFF;
}  // namespace

Emulator::Emulator(BoxModel model, Endpoint& box, int period, VehicleModel drive)
    : encoder(model),
      endpoint(box),
      periodMs(std::max(1, period)),
      ticksPerSecond(std::max(1, 1000 / periodMs)),
      vehicle(std::move(drive)) {}

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

void Emulator::Run() {
    while (running) {
        Tick();
        std::this_thread::sleep_for(std::chrono::milliseconds(periodMs));
    }
}

void Emulator::Tick() {
    Answer(ReadIncoming());
    vehicle.Step(periodMs / 1000.0);
    if (VehicleSpeaks()) {
        SendVehicle(tick % ticksPerSecond == 0);
    }
    if ((tick + 1) % ticksPerSecond == 0) {
        Say(encoder.StatisticsReport(statistics, vehicleQuiet));
    }
    ++tick;
}

std::string Emulator::Received() const {
    std::lock_guard lock(receivedMutex);
    return received;
}

std::vector<Message> Emulator::J1708Sent() const {
    std::lock_guard lock(receivedMutex);
    return j1708Sent;
}

void Emulator::Send(const std::string& bytes) {
    if (!quiet) {
        Write(bytes);
    }
}

void Emulator::SetFastEvery(std::uint8_t mid, int periods) {
    fastEvery[mid] = std::max(1, periods);
}

bool Emulator::ClearJ1587Fault(std::uint8_t mid, std::uint8_t code, bool isSid) {
    return faults.ClearJ1587(mid, code, isSid);
}

bool Emulator::ClearJ1939Fault(std::uint8_t source, std::uint32_t spn, std::uint8_t fmi) {
    return faults.ClearJ1939(source, spn, fmi);
}

std::string Emulator::ReadIncoming() {
    std::lock_guard lock(endpointMutex);
    return endpoint.ReadAvailable();
}

void Emulator::Answer(const std::string& incoming) {
    {
        std::lock_guard lock(receivedMutex);
        received += incoming;
    }
    for (const BoxCommand& command : parser.Feed(incoming)) {
        Handle(command);
    }
}

void Emulator::Handle(const BoxCommand& command) {
    switch (command.kind) {
        case BoxCommand::Kind::Version:
            Say(encoder.VersionReply());
            break;
        case BoxCommand::Kind::ReadRegister:
            if (auto value = registers.Read(command.address)) {
                Say(encoder.RegisterReply(static_cast<std::uint16_t>(command.address), *value));
            }
            break;
        case BoxCommand::Kind::WriteRegister:
            if (registers.Write(command.address, command.value)) {
                Say(encoder.RegisterReply(static_cast<std::uint16_t>(command.address),
                                          command.value));
            }
            break;
        case BoxCommand::Kind::SetBitGap:
            statistics.SetBitGap(command.value);
            break;
        case BoxCommand::Kind::TransmitJ1939:
            AnswerRequest(command.frame);
            break;
        case BoxCommand::Kind::TransmitJ1708:
            if (command.sumOk) {
                Transmit(command.message);
            }
            break;
        case BoxCommand::Kind::QueryJ1708:
            Say(encoder.J1708StatisticsLine(statistics));
            break;
        case BoxCommand::Kind::QueryJ1939:
            Say(encoder.J1939StatisticsLine(statistics));
            break;
        case BoxCommand::Kind::ZeroFuelMeter:
            ++fuelMeterZeroings;
            break;
    }
}

// A J1939 request names the wanted group in its first three bytes, low byte first, and the
// node asked in the low byte of its PGN.
void Emulator::AnswerRequest(const J1939Frame& request) {
    if ((request.pgn & 0x03FF00) != kRequestPgn || !VehicleSpeaks()) {
        return;
    }
    std::uint32_t wanted = request.data[0] | request.data[1] << 8 | request.data[2] << 16;
    auto destination = static_cast<std::uint8_t>(request.pgn);
    auto answer = J1939Builder::Build(wanted, vehicle);
    if (answer && (destination == kGlobal || destination == answer->source)) {
        SendJ1939(*answer);
    }
}

void Emulator::SendVehicle(bool slow) {
    for (const Message& message : J1587Builder::Fast(vehicle)) {
        if (FastDue(message)) {
            SendJ1708(message);
        }
    }
    for (const J1939Frame& frame : J1939Builder::Fast(vehicle)) {
        SendJ1939(frame);
    }
    if (!slow) {
        return;
    }
    for (const Message& message : J1587Builder::Slow(vehicle, faults.J1587())) {
        SendJ1708(message);
    }
    for (const J1939Frame& frame : J1939Builder::Slow(vehicle)) {
        SendJ1939(frame);
    }
    SendDm1s();
    if (tires) {
        for (const Message& message : tires->Second()) {
            SendJ1708(message);
        }
    }
}

// Puts the program's message on the data link, where the tire receiver may answer it.
void Emulator::Transmit(const Message& message) {
    {
        std::lock_guard lock(receivedMutex);
        j1708Sent.push_back(message);
    }
    if (!tires) {
        return;
    }
    for (const Message& answer : tires->Hear(message)) {
        if (VehicleSpeaks()) {
            SendJ1708(answer);
        }
    }
}

bool Emulator::FastDue(const Message& message) const {
    auto every = fastEvery.find(message.at(0));
    return every == fastEvery.end() || tick % every->second == 0;
}

// The engine and the transmission send their DM1 every second, fault or not; another
// controller only while it has faults.
void Emulator::SendDm1s() {
    std::vector<J1939Fault> all = faults.J1939();
    std::set<std::uint8_t> sources = {J1939Builder::kEngine, J1939Builder::kTransmission};
    for (const J1939Fault& fault : all) {
        sources.insert(fault.source);
    }
    for (std::uint8_t source : sources) {
        std::vector<J1939Fault> own;
        std::copy_if(all.begin(), all.end(), std::back_inserter(own),
                     [&](const J1939Fault& f) { return f.source == source; });
        for (const J1939Frame& frame : Dm1Builder::Frames(source, own)) {
            SendJ1939(frame);
        }
    }
}

void Emulator::SendJ1708(const Message& message) {
    Say(encoder.Encode(message));
    statistics.CountJ1708(message.size() + 1);
}

void Emulator::SendJ1939(const J1939Frame& frame) {
    if (encoder.Model() == BoxModel::Vx100) {
        return;
    }
    Say(encoder.EncodeJ1939(frame));
    statistics.CountJ1939();
}

void Emulator::Say(const std::string& bytes) {
    if (!quiet && !scripted && !bytes.empty()) {
        Write(bytes);
    }
}

void Emulator::Write(const std::string& bytes) {
    std::lock_guard lock(endpointMutex);
    endpoint.Write(bytes);
}

}  // namespace vxbsim
