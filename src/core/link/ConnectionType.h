#pragma once

#include <cstdint>

namespace rovik {

// The box model, which fixes the transport and the byte format; stored as this byte.
enum class ConnectionType : std::uint8_t {
    Vx100Serial = 0,  // RS-232, binary frames
    Vx101Usb = 1,     // USB serial device, text lines
    Vx150Wifi = 2,    // TCP socket, text lines
};

inline bool UsesSerialPort(ConnectionType type) {
    return type != ConnectionType::Vx150Wifi;
}

}  // namespace rovik
