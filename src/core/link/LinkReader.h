#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "core/link/BoxRegisterImage.h"
#include "core/link/BoxStatistics.h"
#include "core/link/ConnectionType.h"
#include "core/link/LinkStatus.h"
#include "core/link/PacketFramer.h"
#include "core/link/PreferredSourceTable.h"
#include "core/link/RawLog.h"
#include "core/link/TransmitRing.h"
#include "core/link/ValueLookup.h"
#include "core/link/ValueStore.h"
#include "core/params/DerivedValues.h"
#include "core/tires/TireMonitor.h"
#include "platform/Transport.h"

namespace rovik {

// The one link to the box: opens the chosen transport, reads and frames what arrives, sends
// queued bytes, and owns the value store.
//
// Threads: the interface thread calls Open, Close, SetConnectionType, the setters, AgeValues
// and the look-ups; the receive thread calls ReopenWhenFailed and ReceivePass; the transmit
// thread calls SendOneQueuedByte. transportMutex guards the transport, so a pass, a send and
// an open or close never overlap; fields read across threads are atomic.
class LinkReader : public ValueLookup {
public:
    explicit LinkReader(const std::string& blockName = kSharedBlockName);
    ~LinkReader() override;
    LinkReader(const LinkReader&) = delete;
    LinkReader& operator=(const LinkReader&) = delete;

    virtual void Open();
    virtual void Close();
    virtual void ReceivePass();
    virtual void AgeValues();
    virtual void SetConnectionType(ConnectionType type);

    // Retries a failed serial port, or a silent one when AutoRestart is on; a Wi-Fi link is
    // only reopened by the user. Called by the receive thread before each pass.
    virtual void ReopenWhenFailed();

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
    // Bytes go to the link's own framing unless a test asks for them; takes effect between
    // passes.
    void SetFrameSink(FrameSink* sink);
    void SetFaultRecorder(FaultRecorder* recorder) { framer.SetFaultRecorder(recorder); }
    void SetTireReceiver(TireFrameReceiver* receiver) { framer.SetTireReceiver(receiver); }

    std::uint32_t GetStatus() const { return status; }
    void SetStatus(LinkStatus newStatus) { status = static_cast<std::uint32_t>(newStatus); }
    bool IsOpen() const { return open; }
    std::uint32_t GetByteCount() const { return byteCount; }
    std::uint32_t GetPassCounter() const { return passCounter; }

    // The recording of what the box sends, made by the receive pass while it is on.
    RawLog& RawLogging() { return rawLog; }

    // What the box reports about itself and the data links.
    BoxStatistics& Statistics() { return statistics; }
    const BoxStatistics& Statistics() const { return statistics; }
    BoxRegisterImage& Registers() { return registers; }
    const BoxRegisterImage& Registers() const { return registers; }
    std::string GetBoxVersion() const;
    void SetBoxVersion(const std::string& version);
    bool IsJ1708Suppressed() const { return j1708Suppressed; }
    void SetJ1708Suppressed(bool on) { j1708Suppressed = on; }

    // The framing's news: bytes or a checked message arrived, a message came from the vehicle,
    // the box sent a statistics report (which finds the vehicle silent when no message
    // arrived since the report before).
    void NoteTraffic();
    void NoteVehicleMessage();
    void NoteBoxReport();

    // Queued bytes go to the box one per transmit delay; a full ring drops the byte.
    bool QueueByte(std::uint8_t byte) { return transmitRing.QueueByte(byte); }
    void QueueString(std::string_view text);
    virtual void SendOneQueuedByte();
    std::uint32_t QueuedByteCount() const { return transmitRing.Waiting(); }

    // The derived values, brought up to date after every receive pass.
    void UpdateAverages() { derived.UpdateAverages(store); }
    void SetAverageWindow(std::uint32_t size) { derived.SetAverageWindow(size); }
    std::uint32_t GetAverageWindow() const { return derived.AverageWindow(); }
    void SetOdometerPid(unsigned pid) { derived.SetOdometerPid(pid); }
    bool LoadEngineCurve(const std::string& path) { return derived.LoadEngineCurve(path); }

    double GetValue(unsigned pid) const override;
    std::uint32_t GetUpdateCount(unsigned pid) const override;
    const std::uint8_t* GetRawBytes(unsigned pid) const override;
    void StoreValue(int slot, unsigned pid, float value) { store.StoreValue(slot, pid, value); }
    ValueStore& Store() { return store; }
    const ValueStore& Store() const { return store; }

protected:
    // Clears the counts that describe the stream since the last open.
    void ResetStreamCounts();
    PacketFramer& Framer() { return framer; }
    // Hands a chunk in readBuffer to the framing; true when the frame buffer overran.
    bool Frame(std::size_t count);

    std::mutex transportMutex;
    TransmitRing transmitRing;
    std::uint8_t readBuffer[256] = {};
    std::atomic<bool> open{false};
    std::atomic<std::uint32_t> byteCount{0};
    std::atomic<std::uint32_t> passCounter{0};
    std::uint32_t lastDataPass = 0;
    RawLog rawLog;

private:
    void OpenSerial();
    void OpenSocket();
    void CloseTransport();
    ReadResult ReadChunk();
    void AcceptChunk(std::size_t count);
    void RequestVersionWhenDue();
    void NoteSilence();

    ValueStore store;
    DerivedValues derived;
    // Reading the tire warning number refreshes the warning byte.
    mutable TireMonitor tires;
    BoxStatistics statistics;
    BoxRegisterImage registers;
    std::string boxVersion = "Unknown";
    std::atomic<std::uint32_t> vehicleDataSeen{1};
    std::atomic<bool> j1708Suppressed{false};

    mutable std::mutex settingsMutex;
    std::string portName;
    std::string hostAddress;
    std::atomic<std::uint16_t> tcpPort{51966};
    std::atomic<std::uint32_t> transmitDelay{50};
    std::atomic<bool> autoRestart{false};
    std::atomic<ConnectionType> connectionType{ConnectionType::Vx100Serial};

    std::unique_ptr<Transport> transport;
    PacketFramer framer{*this};
    FrameSink* frameSink = &framer;

    std::atomic<std::uint32_t> status{static_cast<std::uint32_t>(LinkStatus::PortFailure)};
    std::atomic<std::uint8_t> versionCountdown{0};
};

}  // namespace rovik
