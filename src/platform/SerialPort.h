#pragma once

#include <string>

#include "platform/Transport.h"

namespace rovik {

// A serial device (a real port, a USB adapter or a pseudo-terminal) at 9600 baud, 8N1, raw.
class SerialPort : public Transport {
public:
    SerialPort() = default;
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens the device for reading and writing; false when it cannot be opened.
    bool Open(const std::string& device);
    // The device for a port name: names of older settings such as "COM3" mean /dev/ttyS2;
    // anything else is taken as the device path itself.
    static std::string DevicePath(const std::string& portName);
    // Sets 9600 8N1 raw mode; false when the device refuses the settings.
    bool Configure();
    // Raises DTR where the device has the line; pseudo-terminals have none.
    void RaiseDtr();
    void Close();
    bool IsOpen() const { return fd >= 0; }

    ReadResult Read(std::uint8_t* buffer, std::size_t capacity) override;
    int WriteByte(std::uint8_t byte) override;
    bool WriteAll(const std::uint8_t* bytes, std::size_t count) override;

private:
    int fd = -1;
};

}  // namespace rovik
