#include "core/link/BoxState.h"

namespace rovik {

std::string BoxState::Version() const {
    std::lock_guard lock(versionMutex);
    return version;
}

void BoxState::SetVersion(const std::string& text) {
    std::lock_guard lock(versionMutex);
    version = text;
}

void BoxState::ResetJ1708Counts() {
    statistics.j1708GoodPackets = 0;
    statistics.j1708Errors = 0;
}

}  // namespace rovik
