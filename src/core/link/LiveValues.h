#pragma once

#include <cstdint>
#include <string>

#include "core/params/DerivedValues.h"
#include "core/tires/TireMonitor.h"
#include "core/values/ValueLookup.h"
#include "core/values/ValueStore.h"

namespace rovik {

// Every value a reader may ask for by number: what the decoders stored, the numbers that
// read one source's entry, the derived values and the tire warning.
// Threads: the receive thread stores and updates the averages after each pass; the
// interface thread ages the store, configures the derived values and reads.
class LiveValues : public ValueLookup {
public:
    explicit LiveValues(const std::string& blockName);

    double GetValue(unsigned number) const override;
    std::uint32_t GetUpdateCount(unsigned number) const override;
    const std::uint8_t* GetRawBytes(unsigned number) const override;

    ValueStore& Store() { return store; }
    const ValueStore& Store() const { return store; }
    DerivedValues& Derived() { return derived; }
    TireMonitor& Tires() { return tires; }

    // After each receive pass, so the derived values follow what it decoded.
    void UpdateAverages() { derived.UpdateAverages(store); }
    // Once a second: values not stored again for a while go absent.
    void Age() { store.Age(); }

private:
    ValueStore store;
    DerivedValues derived;
    // Reading the tire warning number refreshes the warning byte.
    mutable TireMonitor tires;
};

}  // namespace rovik
