#include "vxbsim/FaultList.h"

#include <algorithm>

namespace vxbsim {

namespace {
bool SameCode(const J1587Fault& a, const J1587Fault& b) {
    return a.mid == b.mid && a.code == b.code && a.isSid == b.isSid;
}

bool SameCode(const J1939Fault& a, const J1939Fault& b) {
    return a.source == b.source && a.spn == b.spn && a.fmi == b.fmi;
}

// Replaces the entry with the same code, or appends while there is room.
template <typename Fault>
bool Put(std::vector<Fault>& faults, const Fault& fault) {
    auto same = std::find_if(faults.begin(), faults.end(),
                             [&](const Fault& f) { return SameCode(f, fault); });
    if (same != faults.end()) {
        *same = fault;
        return true;
    }
    if (faults.size() >= FaultList::kLimit) {
        return false;
    }
    faults.push_back(fault);
    return true;
}

template <typename Fault>
bool Remove(std::vector<Fault>& faults, const Fault& fault) {
    return std::erase_if(faults, [&](const Fault& f) { return SameCode(f, fault); }) > 0;
}
}  // namespace

bool FaultList::Raise(const J1587Fault& fault) {
    if (fault.fmi > 15) {
        return false;
    }
    std::lock_guard lock(mutex);
    return Put(j1587, fault);
}

bool FaultList::Raise(const J1939Fault& fault) {
    // 127 means "not available" in a DM1, so a real count stops at 126.
    if (fault.spn > 0x7FFFF || fault.fmi > 31 || fault.occurrences > 126) {
        return false;
    }
    std::lock_guard lock(mutex);
    return Put(j1939, fault);
}

bool FaultList::ClearJ1587(std::uint8_t mid, std::uint8_t code, bool isSid) {
    std::lock_guard lock(mutex);
    return Remove(j1587, J1587Fault{.mid = mid, .code = code, .isSid = isSid});
}

bool FaultList::ClearJ1939(std::uint8_t source, std::uint32_t spn, std::uint8_t fmi) {
    std::lock_guard lock(mutex);
    return Remove(j1939, J1939Fault{.source = source, .spn = spn, .fmi = fmi});
}

void FaultList::ClearAll() {
    std::lock_guard lock(mutex);
    j1587.clear();
    j1939.clear();
}

std::vector<J1587Fault> FaultList::J1587() const {
    std::lock_guard lock(mutex);
    return j1587;
}

std::vector<J1939Fault> FaultList::J1939() const {
    std::lock_guard lock(mutex);
    return j1939;
}

}  // namespace vxbsim
