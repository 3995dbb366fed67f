#pragma once

#include <cstdint>
#include <string>

#include "core/app/WindowPlacement.h"
#include "core/link/ConnectionType.h"
#include "core/logging/DataLogSettings.h"
#include "core/values/Pids.h"

namespace rovik {

// What the program keeps between runs in SETTINGS.DAT, with the values of a first start.
struct Settings {
    std::string portName = "COM1";
    // The Wi-Fi box's own address on a link-local network.
    std::string ipAddress = "169.254.1.1";
    std::uint32_t tcpPort = 51966;
    ConnectionType connectionType = ConnectionType::Vx100Serial;
    std::uint8_t transmitDelay = 100;
    std::string screenFileName = "DEFAULT.SCR";
    std::string wallpaperPath;
    std::string engineFileName = "Caterpillar 3126 250";
    std::uint32_t rollingMpgBufferSize = 150;
    bool automaticallyStartLog = false;
    bool requestFuelmeter = false;
    bool requestOdometer = false;
    bool autoRestart = false;
    // 244 or 245: which distance PID the odometer follows.
    std::uint8_t odometerPid = pid::kTotalDistance;

    // The frame's placement; only restored when the file held one.
    WindowPlacement windowPlacement;
    bool hasWindowPlacement = false;

    DataLogSettings dataLog;

    bool operator==(const Settings&) const = default;
};

}  // namespace rovik
