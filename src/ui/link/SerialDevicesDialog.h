#pragma once

#include <QDialog>
#include <vector>

#include "platform/SerialDevice.h"

namespace rovik {

// "Serial Devices": the machine's serial devices with what the system knows of each (driver,
// USB names, stable name) and whether this user may open it; above them, what stands in the
// way of opening the chosen port and how to put it right.
class SerialDevicesDialog : public QDialog {
    Q_OBJECT
public:
    SerialDevicesDialog(const std::vector<SerialDevice>& devices, const SerialDevice& chosenPort,
                        QWidget* parent = nullptr);

    // What the window says about the chosen port.
    static QString PortVerdict(const SerialDevice& port);
    // The access column of one device.
    static QString Access(const SerialDevice& device);

private:
    static QString GroupFix(const SerialDevice& device);
};

}  // namespace rovik
