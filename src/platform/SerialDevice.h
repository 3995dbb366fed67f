#pragma once

#include <string>

namespace rovik {

// One serial device of this machine as the system describes it, and whether this user may
// open it.
struct SerialDevice {
    // The device file, e.g. "/dev/ttyUSB0".
    std::string path;
    // The kernel driver that serves it, e.g. "ftdi_sio", "cdc_acm" or "serial".
    std::string driver;
    // The USB manufacturer and product names and "vendor:product" numbers; empty for a port
    // that is not on USB.
    std::string vendor;
    std::string product;
    std::string usbId;
    // The name under /dev/serial/by-id that stays the same whichever socket it is plugged
    // into; empty when the system made none.
    std::string stableName;
    bool exists = false;
    // Whether this user may read and write the device file.
    bool mayOpen = false;
    // The group that owns the device file, and whether this user's session belongs to it.
    std::string group;
    bool inGroup = false;

    // The vendor and product, or what kind of port it is when they are not known.
    std::string Description() const {
        if (!vendor.empty() || !product.empty()) {
            return vendor.empty() ? product : product.empty() ? vendor : vendor + " " + product;
        }
        return usbId.empty() ? "Built-in serial port" : "USB serial device " + usbId;
    }
};

}  // namespace rovik
