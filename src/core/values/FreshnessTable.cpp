#include "core/values/FreshnessTable.h"

namespace rovik {

bool FreshnessTable::Age(int entry) {
    // A store may refresh the entry meanwhile; the exchange then retries and keeps it.
    std::uint32_t left = seconds[entry].load(std::memory_order_relaxed);
    while (left > 0 &&
           !seconds[entry].compare_exchange_weak(left, left - 1, std::memory_order_relaxed)) {
    }
    return left == 1;
}

}  // namespace rovik
