#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/params/TotalLimits.h"
#include "core/params/TransportReassembly.h"
#include "core/values/J1939Frame.h"

namespace rovik {

class FaultRecorder;
class ValueStore;

// Turns J1939 messages into values stored under the J1587 PID of the same quantity, in J1587
// units, and hands the fault codes of DM1 messages on. Runs on the receive thread.
class J1939Decoder {
public:
    explicit J1939Decoder(ValueStore& store) : store(store) {}

    void SetFaultRecorder(FaultRecorder* recorder) { faults = recorder; }
    void DecodeJ1939(const J1939Frame& frame);

private:
    // A running total that only counts while it grows and stays believable.
    struct Total {
        float last = 0.0f;
        float limit;
    };

    // The groups whose fields are not stored as they stand: totals, the retarder, the
    // transmission's range and mode, cruise switches, faults.
    void DecodeSpecialFields(const J1939Frame& frame, int slot);
    void DecodeTransmission2(const J1939Frame& frame, int slot);
    void DecodeCruiseStatus(const J1939Frame& frame, int slot);
    void DecodeTransport(const J1939Frame& frame);
    void RecordPackedFaults(std::uint8_t source, const TransportReassembly& message);
    void Store(int slot, unsigned pid, std::optional<float> value);
    void StoreTotal(Total& total, int slot, unsigned pid, std::optional<float> value);
    // One diagnostic trouble code of four bytes: the SPN, its top bits with the FMI, and
    // the conversion method with the occurrence count.
    void RecordJ1939Fault(std::uint8_t source, const std::uint8_t* code);

    ValueStore& store;
    FaultRecorder* faults = nullptr;
    // One reassembly for each sender, made when it first announces a message, so transfers
    // of two controllers never mix.
    std::array<std::unique_ptr<TransportReassembly>, 256> transfers;
    Total distance{0.0f, kMostMiles};
    Total engineHours{0.0f, kMostEngineHours};
    Total fuelUsed{0.0f, kMostGallons};
    std::uint8_t cruiseStatus = 0;
};

}  // namespace rovik
