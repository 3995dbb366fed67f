#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "vxbsim/J1587Fault.h"
#include "vxbsim/J1939Fault.h"

namespace vxbsim {

// The fault codes the vehicle's controllers report, on each link. Faults are raised and
// cleared from any thread while the box thread reads them, so every call takes the lock.
class FaultList {
public:
    // Per link; enough for any dashboard and well within one transport-protocol message.
    static constexpr std::size_t kLimit = 32;

    // Adds the fault, or updates the one with the same controller and code. False when the
    // fault is not a valid code or the list is full.
    bool Raise(const J1587Fault& fault);
    bool Raise(const J1939Fault& fault);
    // False when there was no such fault.
    bool ClearJ1587(std::uint8_t mid, std::uint8_t code, bool isSid);
    bool ClearJ1939(std::uint8_t source, std::uint32_t spn, std::uint8_t fmi);
    void ClearAll();

    std::vector<J1587Fault> J1587() const;
    std::vector<J1939Fault> J1939() const;

private:
    mutable std::mutex mutex;
    std::vector<J1587Fault> j1587;
    std::vector<J1939Fault> j1939;
};

}  // namespace vxbsim
