#include "core/link/LinkReader.h"

#include "core/link/PreferredSourceTable.h"
#include "platform/SerialPort.h"
#include "platform/TcpClient.h"

namespace rovik {

namespace {
// Long enough for a box on the local network, short enough that a missing one never holds
// the window for long.
constexpr int kConnectTimeoutMs = 3000;
// Passes without a byte before the box counts as silent, without and with AutoRestart.
constexpr std::uint32_t kSilentPasses = 60;
constexpr std::uint32_t kSilentPassesAutoRestart = 5;
constexpr std::uint8_t kUsbVersionInterval = 10;
constexpr std::uint8_t kWifiVersionInterval = 30;

// Numbers that stand for a value of one named slot and PID for every look-up.
struct Redirect {
    unsigned number;
    int slot;
    unsigned pid;
};
constexpr Redirect kRedirects[] = {{7, kBrakesSlot, 84}, {8, kBrakesSlot, 168}};

// Derived numbers: their update count and raw bytes are those of the base entry.
constexpr Redirect kDerived[] = {
    {9, kEngineSlot, 184},         {10, kEngineSlot, 84},   {11, kEngineSlot, 84},
    {12, kEngineSlot, 84},         {502, kEngineSlot, 184}, {503, kEngineSlot, 110},
    {504, kTransmissionSlot, 177}, {505, kEngineSlot, 175}, {506, kEngineSlot, 105},
    {507, kEngineSlot, 190},       {508, kEngineSlot, 84},  {509, kEngineSlot, 92},
    {510, kEngineSlot, 92},
};

template <std::size_t N>
const Redirect* Find(const Redirect (&table)[N], unsigned number) {
    for (const Redirect& entry : table) {
        if (entry.number == number) {
            return &entry;
        }
    }
    return nullptr;
}

// The tire warning number; its value and count come from the tire receiver's state.
constexpr unsigned kTireWarning = 501;
}  // namespace

LinkReader::LinkReader(const std::string& blockName) : store(blockName) {}

LinkReader::~LinkReader() {
    Close();
}

void LinkReader::SetPortName(const std::string& name) {
    {
        std::lock_guard lock(settingsMutex);
        portName = name;
    }
    Close();
}

std::string LinkReader::GetPortName() const {
    std::lock_guard lock(settingsMutex);
    return portName;
}

void LinkReader::SetHostAddress(const std::string& host) {
    std::lock_guard lock(settingsMutex);
    hostAddress = host;
}

std::string LinkReader::GetHostAddress() const {
    std::lock_guard lock(settingsMutex);
    return hostAddress;
}

void LinkReader::SetConnectionType(ConnectionType type) {
    ConnectionType old = connectionType;
    if (open && UsesSerialPort(old) != UsesSerialPort(type)) {
        Close();
    }
    connectionType = type;
    Open();
    versionCountdown = 1;
}

void LinkReader::Open() {
    std::lock_guard lock(transportMutex);
    ResetStreamCounts();
    CloseTransport();
    if (UsesSerialPort(connectionType)) {
        OpenSerial();
    } else {
        OpenSocket();
    }
}

void LinkReader::ResetStreamCounts() {
    statistics.j1708GoodPackets = 0;
    statistics.j1708Errors = 0;
    vehicleDataSeen = 1;
    byteCount = 0;
    passCounter = 0;
    lastDataPass = 0;
}

std::string LinkReader::GetBoxVersion() const {
    std::lock_guard lock(settingsMutex);
    return boxVersion;
}

void LinkReader::SetBoxVersion(const std::string& version) {
    std::lock_guard lock(settingsMutex);
    boxVersion = version;
}

void LinkReader::NoteTraffic() {
    if (status != static_cast<std::uint32_t>(LinkStatus::EngineSideFailure)) {
        SetStatus(LinkStatus::Ok);
    }
}

void LinkReader::NoteVehicleMessage() {
    vehicleDataSeen = 1;
    SetStatus(LinkStatus::Ok);
}

void LinkReader::NoteBoxReport() {
    if (vehicleDataSeen.exchange(0) == 0) {
        SetStatus(LinkStatus::EngineSideFailure);
    }
}

void LinkReader::SetFrameSink(FrameSink* sink) {
    std::lock_guard lock(transportMutex);
    frameSink = sink;
}

bool LinkReader::Frame(std::size_t count) {
    byteCount += static_cast<std::uint32_t>(count);
    return frameSink && frameSink->Consume(readBuffer, count);
}

void LinkReader::OpenSerial() {
    auto port = std::make_unique<SerialPort>();
    if (!port->Open(SerialPort::DevicePath(GetPortName()))) {
        SetStatus(LinkStatus::PortFailure);
        return;
    }
    if (!port->Configure()) {
        SetStatus(LinkStatus::PortFailure);
        return;
    }
    port->RaiseDtr();
    transport = std::move(port);
    open = true;
    SetStatus(LinkStatus::Starting);
}

void LinkReader::OpenSocket() {
    // Sockets need no library start-up here, so that step cannot fail.
    SetStatus(LinkStatus::InitializingWifi);
    auto socket = std::make_unique<TcpClient>();
    SetStatus(LinkStatus::InitializingSocket);
    if (!socket->CreateSocket()) {
        SetStatus(LinkStatus::SocketFailed);
        return;
    }
    SetStatus(LinkStatus::FindingAddress);
    if (!socket->Resolve(GetHostAddress())) {
        SetStatus(LinkStatus::AddressNotFound);
        return;
    }
    SetStatus(LinkStatus::CreatingConnection);
    if (!socket->Connect(tcpPort, kConnectTimeoutMs)) {
        SetStatus(LinkStatus::ConnectFailed);
        return;
    }
    SetStatus(LinkStatus::WifiConnected);
    socket->SendAll("V\r\n");
    transport = std::move(socket);
    open = true;
}

void LinkReader::Close() {
    std::lock_guard lock(transportMutex);
    CloseTransport();
}

void LinkReader::CloseTransport() {
    transport.reset();
    open = false;
}

void LinkReader::ReopenWhenFailed() {
    if (!UsesSerialPort(connectionType)) {
        return;
    }
    std::uint32_t now = status;
    if (now == static_cast<std::uint32_t>(LinkStatus::PortFailure) ||
        (now == static_cast<std::uint32_t>(LinkStatus::BoxSideFailure) && autoRestart)) {
        Open();
    }
}

void LinkReader::ReceivePass() {
    std::lock_guard lock(transportMutex);
    ++passCounter;
    if (!open) {
        return;
    }
    ReadResult chunk = ReadChunk();
    while (chunk.count > 0) {
        AcceptChunk(chunk.count);
        // A socket is drained in one pass; a serial port gives one read per pass.
        chunk = UsesSerialPort(connectionType) ? ReadResult{} : ReadChunk();
    }
    UpdateAverages();
    RequestVersionWhenDue();
    NoteSilence();
}

ReadResult LinkReader::ReadChunk() {
    ReadResult result = transport->Read(readBuffer, sizeof readBuffer);
    if (result.failed) {
        SetStatus(LinkStatus::PortFailure);
        if (!UsesSerialPort(connectionType)) {
            open = false;
        }
    }
    return result;
}

void LinkReader::AcceptChunk(std::size_t count) {
    rawLog.Append(readBuffer, count);
    bool overrun = Frame(count);
    lastDataPass = passCounter;
    NoteTraffic();
    if (overrun) {
        SetStatus(LinkStatus::PortFailure);
    }
}

void LinkReader::RequestVersionWhenDue() {
    if (status >= static_cast<std::uint32_t>(LinkStatus::PortFailure)) {
        return;
    }
    if (versionCountdown > 0) {
        --versionCountdown;
    } else if (connectionType == ConnectionType::Vx101Usb) {
        versionCountdown = kUsbVersionInterval;
        QueueString("V");
    } else if (connectionType == ConnectionType::Vx150Wifi) {
        versionCountdown = kWifiVersionInterval;
        QueueString("V\r");
    }
}

void LinkReader::NoteSilence() {
    std::uint32_t silence = passCounter - lastDataPass;
    std::uint32_t limit = autoRestart ? kSilentPassesAutoRestart : kSilentPasses;
    if (silence > limit && status != static_cast<std::uint32_t>(LinkStatus::PortFailure)) {
        SetStatus(LinkStatus::BoxSideFailure);
    }
}

void LinkReader::QueueString(std::string_view text) {
    for (char c : text) {
        QueueByte(static_cast<std::uint8_t>(c));
    }
}

void LinkReader::SendOneQueuedByte() {
    std::lock_guard lock(transportMutex);
    std::optional<std::uint8_t> next = transmitRing.Peek();
    if (!next || !transport) {
        return;
    }
    int written = transport->WriteByte(*next);
    // A socket send is not retried: the byte is taken whatever the send said.
    if (written == 1 || !UsesSerialPort(connectionType)) {
        transmitRing.Advance();
    }
}

void LinkReader::AgeValues() {
    store.Age();
}

double LinkReader::GetValue(unsigned pid) const {
    if (const Redirect* redirect = Find(kRedirects, pid)) {
        return store.SlotValue(redirect->slot, redirect->pid);
    }
    if (pid == kTireWarning) {
        return tires.UpdateWarning();
    }
    if (DerivedValues::IsComputed(pid)) {
        return derived.Value(pid, store);
    }
    return store.Value(pid);
}

std::uint32_t LinkReader::GetUpdateCount(unsigned pid) const {
    const Redirect* redirect = Find(kRedirects, pid);
    if (!redirect) {
        redirect = Find(kDerived, pid);
    }
    if (redirect) {
        return store.SlotUpdateCount(redirect->slot, redirect->pid);
    }
    return pid == kTireWarning ? tires.FrameCount() : store.UpdateCount(pid);
}

const std::uint8_t* LinkReader::GetRawBytes(unsigned pid) const {
    const Redirect* redirect = Find(kRedirects, pid);
    if (!redirect) {
        redirect = Find(kDerived, pid);
    }
    if (redirect) {
        return store.SlotRawBytes(redirect->slot, redirect->pid);
    }
    return pid == kTireWarning ? tires.WarningBytes() : store.RawBytes(pid);
}

}  // namespace rovik
