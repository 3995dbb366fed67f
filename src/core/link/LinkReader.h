#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
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

namespace rovik {

class FaultRecorder;
class FrameSink;

// The one link to the box: opens the chosen source, reads and frames what arrives, keeps
// the link's status and sends queued bytes. What it decodes goes to the live values and the
// box's state, which it is given.
//
// Threads: the interface thread calls Open, Close, SetConnectionType and the setters; the
// receive thread calls ReopenWhenFailed and ReceivePass; the transmit thread calls
// SendOneQueuedByte. transportMutex guards the transport, so a pass, a send and an open or
// close never overlap; fields read across threads are atomic or under settingsMutex.
class LinkReader : public LinkEvents {
public:
    LinkReader(std::unique_ptr<LinkSource> source, LiveValues& values, BoxState& box);
    ~LinkReader() override;
    LinkReader(const LinkReader&) = delete;
    LinkReader& operator=(const LinkReader&) = delete;

    void Open();
    void Close();
    // Switches the box model and opens it; a switch between port and socket closes first.
    void SetConnectionType(ConnectionType type);
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
    void QueueString(std::string_view text);
    void SendOneQueuedByte();
    std::uint32_t QueuedByteCount() const { return transmitRing.Waiting(); }

    void NoteTraffic() override;
    void NoteVehicleMessage() override;
    void NoteBoxReport(bool vehicleSideFailed) override;

private:
    LinkSource::Endpoint CurrentEndpoint() const;
    void SetStatus(LinkStatus newStatus) { status = newStatus; }
    // Clears the counts that describe the stream since the last open.
    void ResetStreamCounts();
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
    std::unique_ptr<Transport> transport;
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

    std::atomic<bool> open{false};
    std::atomic<LinkStatus> status{LinkStatus::PortFailure};
    std::atomic<std::uint32_t> vehicleDataSeen{1};
    std::atomic<std::uint32_t> byteCount{0};
    std::atomic<std::uint32_t> passCounter{0};
    std::uint32_t lastDataPass = 0;
    std::atomic<std::uint8_t> versionCountdown{0};
};

}  // namespace rovik
