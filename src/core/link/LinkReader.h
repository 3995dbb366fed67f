#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "core/link/BoxState.h"
#include "core/link/ConnectionType.h"
#include "core/link/LinkEvents.h"
#include "core/link/LinkSource.h"
#include "core/link/LinkStatus.h"
#include "core/link/LiveValues.h"
#include "core/link/PacketFramer.h"
#include "core/link/RawLog.h"
#include "core/link/TransmitRing.h"
#include "core/values/PacketSender.h"

namespace rovik {

class FaultRecorder;
class FrameSink;

// The one link to the box: opens the chosen source, reads and frames what arrives, keeps
// the link's status and sends queued bytes. What it decodes goes to the live values and the
// box's state, which it is given.
//
// Threads: the interface thread calls Open, Close, SetConnectionType, RequestOpen and the
// setters; the receive thread calls OpenWhenRequested, ReopenWhenFailed and ReceivePass; the
// transmit thread calls SendOneQueuedByte; SendPacket and QueueString come from any of them.
// transportMutex keeps a pass apart from an open or close; writeMutex keeps writes apart from
// the transport being replaced, so a pass may send while it reads. An open takes
// transportMutex before writeMutex, and nothing takes them the other way round. Fields read
// across threads are atomic or under settingsMutex.
class LinkReader : public LinkEvents, public PacketSender {
public:
    LinkReader(std::unique_ptr<LinkSource> source, LiveValues& values, BoxState& box);
    ~LinkReader() override;
    LinkReader(const LinkReader&) = delete;
    LinkReader& operator=(const LinkReader&) = delete;

    void Open();
    void Close();
    // Switches the box model and opens it; a switch between port and socket closes first.
    void SetConnectionType(ConnectionType type);
    // The window's way to connect: the endpoint is kept at once, and the receive thread opens
    // it as that box model before its next pass, so a slow Wi-Fi connect never holds the
    // window; its steps show in the status as they happen.
    void RequestOpen(const LinkSource::Endpoint& endpoint);
    // Performs a requested open; false when none was waiting. Called by the receive thread
    // before each pass.
    bool OpenWhenRequested();
    // Retries a failed serial port, or a silent one when AutoRestart is on; a Wi-Fi link is
    // only reopened by the user. A recording that failed starts again from its beginning.
    // Called by the receive thread before each pass.
    void ReopenWhenFailed();
    void ReceivePass();

    void SetPortName(const std::string& name);
    std::string GetPortName() const;
    void SetHostAddress(const std::string& host);
    std::string GetHostAddress() const;
    void SetTcpPort(std::uint16_t port) { tcpPort = port; }
    std::uint16_t GetTcpPort() const { return tcpPort; }
    void SetTransmitDelay(std::uint32_t milliseconds) { transmitDelay = milliseconds; }
    std::uint32_t GetTransmitDelay() const { return transmitDelay; }
    void SetAutoRestart(bool on) { autoRestart = on; }
    bool GetAutoRestart() const { return autoRestart; }
    ConnectionType GetConnectionType() const { return connectionType; }
    // Whether the bytes come from a box rather than a recording.
    bool IsLive() const { return source->IsLive(); }

    // Bytes go to the link's own framing unless a test asks for them; takes effect between
    // passes.
    void SetFrameSink(FrameSink* sink);
    void SetFaultRecorder(FaultRecorder* recorder) { framer.SetFaultRecorder(recorder); }

    LinkStatus GetStatus() const { return status; }
    bool IsOpen() const { return open; }
    std::uint32_t GetByteCount() const { return byteCount; }
    std::uint32_t GetPassCounter() const { return passCounter; }

    // The recording of what a live box sends, made by the receive pass while it is on.
    RawLog& RawLogging() { return rawLog; }

    // Queued bytes go to the box one per transmit delay; a full ring drops the byte.
    bool QueueByte(std::uint8_t byte) { return transmitRing.QueueByte(byte); }
    // Queues the text whole, or none of it when the ring has no room for all of it.
    bool QueueString(std::string_view text) { return transmitRing.QueueBytes(text); }
    void SendOneQueuedByte();
    std::uint32_t QueuedByteCount() const { return transmitRing.Waiting(); }
    // Puts one J1708 message (MID first, without its checksum) on the vehicle's data link: a
    // "SEND" frame written at once to the RS-232 box, an "S" line queued for the others.
    // False, and nothing sent, for an empty message or one longer than the box takes, while
    // the port or socket is not open, and while a recording plays.
    bool SendPacket(const std::uint8_t* bytes, std::size_t count) override;

    void NoteTraffic() override;
    void NoteVehicleMessage() override;
    void NoteBoxReport(bool vehicleSideFailed) override;

private:
    LinkSource::Endpoint CurrentEndpoint() const;
    void SetStatus(LinkStatus newStatus) { status = newStatus; }
    // Clears the counts that describe the stream since the last open.
    void ResetStreamCounts();
    // Drops the transport; the caller holds transportMutex.
    void CloseTransport();
    ReadResult ReadChunk();
    // Records, counts and frames a chunk read; true when it overran the frame buffer.
    bool AcceptChunk(std::size_t count);
    bool DrainsEachPass() const;
    void RequestVersionWhenDue();
    void NoteSilence();

    std::unique_ptr<LinkSource> source;
    LiveValues& values;
    BoxState& box;

    std::mutex transportMutex;
    std::mutex writeMutex;
    std::unique_ptr<Transport> transport;
    // The box model the transport was opened for, which fixes how a packet is sent.
    ConnectionType openedAs = ConnectionType::Vx100Serial;
    TransmitRing transmitRing;
    std::uint8_t readBuffer[256] = {};
    RawLog rawLog;
    PacketFramer framer;
    FrameSink* frameSink = &framer;

    mutable std::mutex settingsMutex;
    std::string portName;
    std::string hostAddress;
    std::atomic<std::uint16_t> tcpPort{51966};
    std::atomic<std::uint32_t> transmitDelay{50};
    std::atomic<bool> autoRestart{false};
    std::atomic<ConnectionType> connectionType{ConnectionType::Vx100Serial};
    // A model waiting for the receive thread to open it.
    std::optional<ConnectionType> requestedType;

    std::atomic<bool> open{false};
    std::atomic<LinkStatus> status{LinkStatus::PortFailure};
    std::atomic<std::uint32_t> vehicleDataSeen{1};
    std::atomic<std::uint32_t> byteCount{0};
    std::atomic<std::uint32_t> passCounter{0};
    std::uint32_t lastDataPass = 0;
    std::atomic<std::uint8_t> versionCountdown{0};
};

}  // namespace rovik
