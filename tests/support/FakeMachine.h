#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "core/TempFolder.h"

namespace rovik::test {

namespace fs = std::filesystem;

// A machine's device tree in miniature: a Rovik box and an FTDI adapter on USB serial, an
// Arduino as a USB modem, one built-in port with a UART behind it, three placeholder ports,
// a virtual console, and two entries that cannot be read.
class FakeMachine {
public:
    FakeMachine() {
        const fs::path usb = Sys("devices/pci0000:00/0000:00:14.0/usb1");
        UsbDevice(usb / "1-1", "Norvane Electronics", "Rovik VXB", "0403", "6015");
        Tty("ttyUSB0", usb / "1-1/1-1:1.0/ttyUSB0", "usb-serial", "ftdi_sio");
        UsbDevice(usb / "1-2", "FTDI", "FT232R USB UART", "0403", "6001");
        Tty("ttyUSB1", usb / "1-2/1-2:1.0/ttyUSB1", "usb-serial", "ftdi_sio");
        UsbDevice(usb / "1-3", "Arduino (www.arduino.cc)", "", "2341", "0043");
        Tty("ttyACM0", usb / "1-3/1-3:1.0", "usb", "cdc_acm");
        // Newer kernels put the serial core's port device between the port and its driver.
        Tty("ttyS0", Sys("devices/pnp0/00:05/00:05:0/00:05:0.0"), "serial-base", "port", "4");
        Driver(Sys("devices/pnp0/00:05/00:05:0"), "serial-base", "ctrl");
        Driver(Sys("devices/pnp0/00:05"), "pnp", "serial");
        for (const char* name : {"ttyS1", "ttyS2", "ttyS3"}) {
            Tty(name, Sys("devices/platform/serial8250"), "platform", "serial8250", "0");
        }
        fs::create_directories(Sys("devices/virtual/tty/tty0"));
        fs::create_symlink(Sys("devices/virtual/tty/tty0"), Sys("class/tty/tty0"));
        Tty("ttyUSB9", usb / "1-9/gone", "usb-serial", "ftdi_sio");
        fs::remove_all(usb / "1-9");
        Tty("ttyS4", Sys("devices/pnp0/00:06"), "pnp", "serial", "4");
        fs::remove(TtyDir("ttyS4") / "type");
        fs::create_directory(TtyDir("ttyS4") / "type");
        StableName("usb-Norvane_Electronics_Rovik_VXB_A1-if00-port0", "ttyUSB0");
        StableName("usb-FTDI_FT232R_USB_UART_B2-if00-port0", "ttyUSB1");
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
    fs::path TtyDir(const std::string& name) const { return Sys("devices/ttys/" + name); }
    void UsbDevice(const fs::path& at, const std::string& vendor, const std::string& product,
                   const std::string& vendorId, const std::string& productId) const {
        Write(at / "idVendor", vendorId);
        Write(at / "idProduct", productId);
        Write(at / "manufacturer", vendor);
        if (!product.empty()) {
            Write(at / "product", product);
        }
    }
    void Driver(const fs::path& device, const std::string& bus, const std::string& name) const {
        fs::create_directories(Sys("bus/" + bus + "/drivers/" + name));
        fs::create_directories(device);
        fs::create_symlink(Sys("bus/" + bus + "/drivers/" + name), device / "driver");
    }
    void Tty(const std::string& name, const fs::path& device, const std::string& bus,
             const std::string& driver, const std::string& type = "") const {
        if (!fs::exists(device / "driver")) {
            Driver(device, bus, driver);
        }
        fs::create_directories(TtyDir(name));
        fs::create_symlink(device, TtyDir(name) / "device");
        if (!type.empty()) {
            Write(TtyDir(name) / "type", type);
        }
        fs::create_directories(Sys("class/tty"));
        fs::create_symlink(TtyDir(name), Sys("class/tty/" + name));
        Write(Dev(name), "");
    }
    void StableName(const std::string& link, const std::string& name) const {
        fs::create_directories(Dev("serial/by-id"));
        fs::create_symlink("../../" + name, Dev("serial/by-id/" + link));
    }

    TempFolder folder;
};

}  // namespace rovik::test
