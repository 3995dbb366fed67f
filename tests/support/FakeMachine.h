#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "core/TempFolder.h"

namespace rovik::test {

namespace fs = std::filesystem;

// A machine's device tree in miniature: a Rovik box and an FTDI adapter on USB serial, an
// Arduino as a USB modem, a built-in port with a UART behind it (under the serial core's port
// device, as newer kernels have it), two placeholder ports, a port whose device is gone and
// one whose type cannot be read.
class FakeMachine {
public:
    FakeMachine() {
        const std::string usb = "devices/pci0000:00/usb1/";
        Usb(usb + "1-1", "Norvane Electronics", "Rovik VXB", "0403", "6015");
        Tty("ttyUSB0", usb + "1-1/1-1:1.0/ttyUSB0", "usb-serial/drivers/ftdi_sio");
        Usb(usb + "1-2", "FTDI", "FT232R USB UART", "0403", "6001");
        Tty("ttyUSB1", usb + "1-2/1-2:1.0/ttyUSB1", "usb-serial/drivers/ftdi_sio");
        Usb(usb + "1-3", "Arduino (www.arduino.cc)", "", "2341", "0043");
        Tty("ttyACM0", usb + "1-3/1-3:1.0", "usb/drivers/cdc_acm");
        Tty("ttyS0", "devices/pnp0/00:05/00:05:0.0", "serial-base/drivers/port", "4");
        Driver("devices/pnp0/00:05", "pnp/drivers/serial");
        Tty("ttyS1", "devices/platform/serial8250", "platform/drivers/serial8250", "0");
        Tty("ttyS2", "devices/platform/serial8250", "platform/drivers/serial8250", "0");
        Tty("ttyUSB9", "devices/gone", "");
        Tty("ttyS4", "devices/pnp0/00:06", "pnp/drivers/serial");
        fs::create_directories(Sys("devices/ttys/ttyS4/type"));
        fs::create_directories(Dev("serial/by-id"));
        fs::create_symlink("../../ttyUSB0", Dev("serial/by-id/usb-Norvane_Rovik_VXB-port0"));
    }

    fs::path SysRoot() const { return folder.Path() / "sys"; }
    fs::path DevRoot() const { return folder.Path() / "dev"; }
    fs::path Sys(const std::string& path) const { return SysRoot() / path; }
    fs::path Dev(const std::string& path) const { return DevRoot() / path; }

private:
    static void Write(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text << "\n";
    }
    void Usb(const std::string& at, const std::string& vendor, const std::string& product,
             const std::string& vendorId, const std::string& productId) const {
        Write(Sys(at + "/idVendor"), vendorId);
        Write(Sys(at + "/idProduct"), productId);
        Write(Sys(at + "/manufacturer"), vendor);
        if (!product.empty()) {
            Write(Sys(at + "/product"), product);
        }
    }
    void Driver(const std::string& device, const std::string& driver) const {
        fs::create_directories(Sys(device));
        fs::create_directories(Sys("bus/" + driver));
        if (!fs::exists(Sys(device + "/driver"))) {
            fs::create_symlink(Sys("bus/" + driver), Sys(device + "/driver"));
        }
    }
    // A tty with its device and driver; a device without a driver is left missing.
    void Tty(const std::string& name, const std::string& device, const std::string& driver,
             const std::string& type = "") const {
        const fs::path dir = Sys("devices/ttys/" + name);
        fs::create_directories(dir);
        fs::create_symlink(Sys(device), dir / "device");
        if (!driver.empty()) {
            Driver(device, driver);
        }
        if (!type.empty()) {
            Write(dir / "type", type);
        }
        fs::create_directories(Sys("class/tty"));
        fs::create_symlink(dir, Sys("class/tty/" + name));
        Write(Dev(name), "");
    }

    TempFolder folder;
};

}  // namespace rovik::test
