#include "core/tires/TireReceiverWatch.h"

namespace rovik {

const char* TireReceiverWatch::Update(std::uint32_t frameCount) {
    if (frameCount != lastCount) {
        lastCount = frameCount;
        unchangedTicks = 0;
    } else {
        ++unchangedTicks;
    }
    if (frameCount == 0) {
        return "Disconnected";
    }
    return unchangedTicks > kSilentTicks ? "Error" : "Ok";
}

}  // namespace rovik
