#pragma once

#include <QDialog>
#include <string>

#include "core/link/ConnectionType.h"
#include "platform/SerialPortFinder.h"

class QListWidget;

namespace rovik {

// "Port Scanner": lists the serial devices the machine has, one a line with its path and
// what it is, and picks the box among them: a line that names Rovik is the USB box (model
// VX101), any other line a serial port (VX100). OK or a double click takes the selected
// line; with none selected the model and port stay as they were.
class PortScannerDialog : public QDialog {
    Q_OBJECT
public:
    PortScannerDialog(SerialPortFinder finder, ConnectionType model, std::string port,
                      QWidget* parent = nullptr);

    ConnectionType Model() const { return model; }
    std::string Port() const { return port; }

    void accept() override;

private:
    void Scan();

    SerialPortFinder finder;
    ConnectionType model;
    std::string port;
    QListWidget* list;
};

}  // namespace rovik
