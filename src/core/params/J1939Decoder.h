#pragma once

#include <cstdint>
#include <optional>

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
    void DecodeSingleFrameFaults(const J1939Frame& frame, int slot);
    void DecodeTransport(const J1939Frame& frame);
    void RecordPackedFaults();
    void Store(int slot, unsigned pid, std::optional<float> value);
    void StoreTotal(Total& total, int slot, unsigned pid, std::optional<float> value);
    void RecordJ1939Fault(std::uint8_t source, std::uint8_t d0, std::uint8_t d1, std::uint8_t d2,
                          std::uint8_t occurrence);

    ValueStore& store;
    FaultRecorder* faults = nullptr;
    TransportReassembly transport;
    Total distance{0.0f, 2000000.0f};
    Total engineHours{0.0f, 50000.0f};
    Total fuelUsed{0.0f, 250000.0f};
    std::uint8_t cruiseStatus = 0;
};

}  // namespace rovik
