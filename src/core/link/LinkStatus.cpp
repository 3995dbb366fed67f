#include "core/link/LinkStatus.h"

#include <array>

namespace rovik {

const char* LinkStatusText(LinkStatus status) {
    const auto code = static_cast<std::uint32_t>(status);
    static constexpr std::array<const char*, 14> kTexts = {
        "Starting",
        "Ok",
        "Failure Between Engine and VXB",
        "Failure Between VXB and PC",
        "PC Port Failure",
        "Initializing Wifi",
        "Initializing Socket",
        "Finding IP Address",
        "Creating Connection",
        "Wifi Connected",
        "Failed to Create Connection",
        "Failed to Find IP Address",
        "Failed to Initialize Socket",
        "Failed to Initialize Wifi",
    };
    return code < kTexts.size() ? kTexts[code] : "Error";
}

}  // namespace rovik
