#include "core/link/LiveValues.h"

#include "core/values/DerivedNumbers.h"

namespace rovik {

LiveValues::LiveValues(const std::string& blockName) : store(blockName) {}

double LiveValues::GetValue(unsigned number) const {
    if (number == DerivedNumbers::kTireWarning) {
        return tires.UpdateWarning();
    }
    std::optional<DerivedNumbers::Base> base = DerivedNumbers::BaseOf(number);
    if (!base) {
        return store.Value(number);
    }
    return base->sameValue ? store.SlotValue(base->slot, base->pid) : derived.Value(number, store);
}

std::uint32_t LiveValues::GetUpdateCount(unsigned number) const {
    if (number == DerivedNumbers::kTireWarning) {
        return tires.FrameCount();
    }
    std::optional<DerivedNumbers::Base> base = DerivedNumbers::BaseOf(number);
    return base ? store.SlotUpdateCount(base->slot, base->pid) : store.UpdateCount(number);
}

const std::uint8_t* LiveValues::GetRawBytes(unsigned number) const {
    if (number == DerivedNumbers::kTireWarning) {
        return tires.WarningBytes();
    }
    std::optional<DerivedNumbers::Base> base = DerivedNumbers::BaseOf(number);
    return base ? store.SlotRawBytes(base->slot, base->pid) : store.RawBytes(number);
}

}  // namespace rovik
