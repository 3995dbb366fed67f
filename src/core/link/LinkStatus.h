#pragma once

#include <cstdint>

namespace rovik {

// The state of the link as the communication settings show it; the numbers are kept as the
// box tools and older settings know them.
enum class LinkStatus : std::uint32_t {
    Starting = 0,
    Ok = 1,
    EngineSideFailure = 2,
    BoxSideFailure = 3,
    PortFailure = 4,
    InitializingWifi = 5,
    InitializingSocket = 6,
    FindingAddress = 7,
    CreatingConnection = 8,
    WifiConnected = 9,
    ConnectFailed = 10,
    AddressNotFound = 11,
    SocketFailed = 12,
    WifiFailed = 13,
};

// The text shown for a status; "Error" for a code outside the list.
const char* LinkStatusText(LinkStatus status);

}  // namespace rovik
