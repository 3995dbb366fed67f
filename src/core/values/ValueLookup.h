#pragma once

#include <cstdint>

namespace rovik {

// The live values as everything outside the link reads them, by PID number (0..511, with
// the derived numbers among them).
class ValueLookup {
public:
    virtual ~ValueLookup() = default;
    virtual double GetValue(unsigned pid) const = 0;
    virtual std::uint32_t GetUpdateCount(unsigned pid) const = 0;
    // The 30 raw data bytes behind the value.
    virtual const std::uint8_t* GetRawBytes(unsigned pid) const = 0;
};

}  // namespace rovik
