#include "core/values/PreferredSourceTable.h"

namespace rovik {

int PreferredSourceTable::SlotFor(unsigned pid) {
    if ((pid >= 31 && pid <= 37) || (pid >= 53 && pid <= 60) || pid == 63 ||
        (pid >= 123 && pid <= 127) || (pid >= 160 && pid <= 163) || pid == 177 || pid == 191) {
        return kTransmissionSlot;
    }
    return pid == 49 ? kBrakesSlot : kEngineSlot;
}

}  // namespace rovik
