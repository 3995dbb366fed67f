#pragma once

#include <cstddef>
#include <cstdint>

#include "core/values/J1708Frame.h"

namespace rovik {

class FaultRecorder;
class ValueStore;

// Turns the PID items of one checked J1708 message into scaled values in J1587 units.
// Runs on the receive thread and keeps no state between messages.
class J1587Decoder {
public:
    explicit J1587Decoder(ValueStore& store) : store(store) {}

    void SetFaultRecorder(FaultRecorder* recorder) { faults = recorder; }
    // slot 0..2 by the MID, or 3 when the message opens with the page escape (PID 255).
    void DecodeJ1587(const J1708Frame& frame, int slot);

    static float Resolution(unsigned pid, bool pageTwo);

private:
    // Decodes the item at index; returns the index of the next item, or 0 to stop.
    std::size_t DecodeItem(const J1708Frame& frame, std::size_t index, int slot);
    void StoreOneByteItem(const J1708Frame& frame, std::size_t index, int slot);
    void StoreTwoByteItem(const J1708Frame& frame, std::size_t index, int slot);
    void StoreCountedItem(const J1708Frame& frame, std::size_t index, int slot);
    void StoreTotalFuel(const J1708Frame& frame, std::size_t index, int slot);
    // Hands each code of a diagnostic item to the fault recorder.
    void ReportFaults(const J1708Frame& frame, std::size_t index);

    ValueStore& store;
    FaultRecorder* faults = nullptr;
};

}  // namespace rovik
