#include "core/panels/ScanCycle.h"

#include "core/panels/ScanGaugeRecord.h"

namespace rovik {

bool ScanCycle::Tick(ScanGaugeRecord& gauge) {
    ++tickCounter;
    if (tickCounter < gauge.dwell) {
        return false;
    }
    ++scanIndex;
    if (scanIndex >= gauge.scanList.size()) {
        scanIndex = 0;
    }
    if (!gauge.scanList.empty()) {
        gauge.pid = gauge.scanList[scanIndex];
    }
    tickCounter = 0;
    return true;
}

}  // namespace rovik
