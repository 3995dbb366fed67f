#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/SerialDevice.h"

namespace rovik {

// Finds the serial devices this machine really has: USB serial adapters, USB modems (ACM)
// and the built-in ports that have hardware behind them, from the system's device tree. The
// roots of that tree and of the device files are given, so a test can hand it a tree of its
// own.
class SerialPortFinder {
public:
    explicit SerialPortFinder(const std::string& sysRoot = "/sys", std::string devRoot = "/dev");

    // The devices, in the order of their paths. An entry that cannot be read is left out.
    std::vector<SerialDevice> Find() const;
    // Whether the device file is there and this user may open it; the other fields are left
    // empty.
    static SerialDevice Check(const std::string& path);

private:
    std::optional<SerialDevice> Describe(const std::string& ttyDir,
                                         const std::map<std::string, std::string>& stable) const;
    // Each device's name (e.g. "ttyUSB0") and its name under serial/by-id.
    std::map<std::string, std::string> StableNames() const;
    std::string DriverOf(const std::string& device) const;
    void ReadUsbNames(const std::string& device, SerialDevice& found) const;

    std::string sysRoot;
    std::string devRoot;
};

}  // namespace rovik
