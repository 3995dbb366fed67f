#include "core/link/LinkReader.h"

#include "core/link/BoxCommands.h"
#include "core/link/FrameSink.h"

namespace rovik {

namespace {
// Passes without a byte before the box counts as silent, without and with AutoRestart.
constexpr std::uint32_t kSilentPasses = 60;
constexpr std::uint32_t kSilentPassesAutoRestart = 5;
constexpr std::uint8_t kUsbVersionInterval = 10;
constexpr std::uint8_t kWifiVersionInterval = 30;
}  // namespace

LinkReader::LinkReader(std::unique_ptr<LinkSource> linkSource, LiveValues& liveValues,
                       BoxState& boxState)
    : source(std::move(linkSource)),
      values(liveValues),
      box(boxState),
      framer(liveValues.Store(), boxState, *this) {
    framer.SetTireMonitor(&values.Tires());
    values.Tires().SetSender(this);
    if (!source->IsLive()) {
        // A recording is not recorded again, and may hold stray binary bytes among its lines.
        rawLog.SetFileName("");
        framer.SetHighByteClearsLine(true);
    }
}

LinkReader::~LinkReader() {
    values.Tires().SetSender(nullptr);
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

LinkSource::Endpoint LinkReader::CurrentEndpoint() const {
    std::lock_guard lock(settingsMutex);
    return {connectionType, portName, hostAddress, tcpPort};
}

void LinkReader::SetConnectionType(ConnectionType type) {
    if (open && UsesSerialPort(connectionType) != UsesSerialPort(type)) {
        Close();
    }
    connectionType = type;
    framer.SetBinary(type == ConnectionType::Vx100Serial);
    Open();
    versionCountdown = 1;
}

void LinkReader::RequestOpen(const LinkSource::Endpoint& endpoint) {
    std::lock_guard lock(settingsMutex);
    portName = endpoint.portName;
    hostAddress = endpoint.hostAddress;
    tcpPort = endpoint.tcpPort;
    requestedType = endpoint.type;
}

bool LinkReader::OpenWhenRequested() {
    std::optional<ConnectionType> type;
    {
        std::lock_guard lock(settingsMutex);
        type.swap(requestedType);
    }
    if (type) {
        SetConnectionType(*type);
    }
    return type.has_value();
}

void LinkReader::Open() {
    std::lock_guard lock(transportMutex);
    ResetStreamCounts();
    CloseTransport();
    const LinkSource::Endpoint endpoint = CurrentEndpoint();
    // Opening may take seconds for a socket; writers wait only for the swap below.
    std::unique_ptr<Transport> opened =
        source->Open(endpoint, [this](LinkStatus step) { SetStatus(step); });
    std::lock_guard writeLock(writeMutex);
    transport = std::move(opened);
    openedAs = endpoint.type;
    open = transport != nullptr;
}

void LinkReader::ResetStreamCounts() {
    box.ResetJ1708Counts();
    vehicleDataSeen = 1;
    byteCount = 0;
    passCounter = 0;
    lastDataPass = 0;
}

void LinkReader::Close() {
    std::lock_guard lock(transportMutex);
    CloseTransport();
}

void LinkReader::CloseTransport() {
    std::lock_guard writeLock(writeMutex);
    transport.reset();
    open = false;
}

void LinkReader::NoteTraffic() {
    if (status != LinkStatus::EngineSideFailure) {
        SetStatus(LinkStatus::Ok);
    }
}

void LinkReader::NoteVehicleMessage() {
    vehicleDataSeen = 1;
    SetStatus(LinkStatus::Ok);
}

void LinkReader::NoteBoxReport(bool vehicleSideFailed) {
    if (vehicleDataSeen.exchange(0) == 0 || vehicleSideFailed) {
        SetStatus(LinkStatus::EngineSideFailure);
    }
}

void LinkReader::SetFrameSink(FrameSink* sink) {
    std::lock_guard lock(transportMutex);
    frameSink = sink;
}

void LinkReader::ReopenWhenFailed() {
    const LinkStatus now = status;
    if (!source->IsLive()) {
        if (now == LinkStatus::PortFailure) {
            Open();
        }
        return;
    }
    if (UsesSerialPort(connectionType) &&
        (now == LinkStatus::PortFailure || (now == LinkStatus::BoxSideFailure && autoRestart))) {
        Open();
    }
}

void LinkReader::ReceivePass() {
    std::lock_guard lock(transportMutex);
    ++passCounter;
    if (!open) {
        return;
    }
    bool overrun = false;
    ReadResult chunk = ReadChunk();
    while (chunk.count > 0) {
        overrun = AcceptChunk(chunk.count) || overrun;
        chunk = DrainsEachPass() ? ReadChunk() : ReadResult{};
    }
    // An overrun marks the whole pass, whatever the chunks after it brought.
    if (overrun) {
        SetStatus(LinkStatus::PortFailure);
    }
    values.UpdateAverages();
    if (source->IsLive()) {
        RequestVersionWhenDue();
        NoteSilence();
    }
}

// A socket is drained in one pass; a serial port or a recording gives one read per pass.
bool LinkReader::DrainsEachPass() const {
    return source->IsLive() && !UsesSerialPort(connectionType);
}

ReadResult LinkReader::ReadChunk() {
    ReadResult result = transport->Read(readBuffer, source->ReadSize());
    if (result.failed) {
        SetStatus(LinkStatus::PortFailure);
        if (!UsesSerialPort(connectionType)) {
            open = false;
        }
    }
    return result;
}

bool LinkReader::AcceptChunk(std::size_t count) {
    const bool live = source->IsLive();
    if (live) {
        rawLog.Append(readBuffer, count);
    }
    byteCount += static_cast<std::uint32_t>(count);
    if (live && connectionType != ConnectionType::Vx100Serial) {
        // Shown as the box's USB transmit status in the Advanced dialog.
        box.SetShortRead(count == 1);
    }
    const bool overrun = frameSink && frameSink->Consume(readBuffer, count);
    lastDataPass = passCounter;
    if (overrun) {
        SetStatus(LinkStatus::PortFailure);
    } else if (live) {
        NoteTraffic();
    } else {
        SetStatus(LinkStatus::Ok);
    }
    return overrun;
}

void LinkReader::RequestVersionWhenDue() {
    if (status >= LinkStatus::PortFailure) {
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
    const std::uint32_t silence = passCounter - lastDataPass;
    const std::uint32_t limit = autoRestart ? kSilentPassesAutoRestart : kSilentPasses;
    if (silence > limit && status != LinkStatus::PortFailure) {
        SetStatus(LinkStatus::BoxSideFailure);
    }
}

bool LinkReader::SendPacket(const std::uint8_t* bytes, std::size_t count) {
    if (count == 0 || count > BoxCommands::kMaxPacket || !source->IsLive()) {
        return false;
    }
    std::lock_guard lock(writeMutex);
    if (!transport || !open) {
        return false;
    }
    if (openedAs == ConnectionType::Vx100Serial) {
        const std::string frame = BoxCommands::SendFrame(bytes, count);
        return transport->WriteAll(reinterpret_cast<const std::uint8_t*>(frame.data()),
                                   frame.size());
    }
    return QueueString(BoxCommands::SendLine(bytes, count));
}

void LinkReader::SendOneQueuedByte() {
    std::lock_guard lock(writeMutex);
    std::optional<std::uint8_t> next = transmitRing.Peek();
    if (!next || !transport) {
        return;
    }
    const int written = transport->WriteByte(*next);
    // A socket send is not retried: the byte is taken whatever the send said.
    if (written == 1 || !UsesSerialPort(connectionType)) {
        transmitRing.Advance();
    }
}

}  // namespace rovik
