#pragma once

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <string>

#include "core/link/ConnectionType.h"
#include "core/link/LinkSource.h"
#include "platform/SerialPortFinder.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace rovik {

class BoxState;
class LinkReader;

// "Communication Settings": chooses the box model and its port, shows the link's status and
// counts each half second, restarts the port, scans for ports, sets the Wi-Fi box's address
// and opens the USB box's own properties. Every change acts on the link at once, through the
// receive thread, so a slow connection never holds the window; the caller keeps the choices
// on OK.
class CommunicationSettingsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 500;

    // What the settings file keeps of the dialog.
    struct Choices {
        std::string portName;
        bool autoRestart = false;
        ConnectionType type = ConnectionType::Vx100Serial;
        std::uint8_t transmitDelay = 100;
    };

    CommunicationSettingsDialog(LinkReader& link, const BoxState& box, const Choices& initial,
                                SerialPortFinder finder, QWidget* parent = nullptr);

    Choices Chosen() const;
    // Shows the link's status and counts; the timer calls it each half second.
    void Refresh();

private:
    QLayout* MakeFields(const std::string& portName);
    QWidget* MakeModels();
    QLayout* MakeTools();
    QLayout* MakePortButtons(bool autoRestartOn);
    void FillPorts(const std::string& current);
    ConnectionType Model() const;
    void ShowModel(ConnectionType model);
    // The endpoint the controls choose, with the link's Wi-Fi address and TCP port.
    LinkSource::Endpoint ChosenEndpoint() const;
    void OpenEndpoint(const LinkSource::Endpoint& endpoint);
    void ChoosePort(const QString& name);
    void ChooseModel(int model);
    void Scan();
    void ScanPorts();
    void CustomizeIp();
    void ShowAdvanced();
    void ShowDevices();

    LinkReader& link;
    const BoxState& box;
    SerialPortFinder finder;
    std::uint8_t transmitDelay;
    QTimer timer;
    QComboBox* port = nullptr;
    QLineEdit* status = nullptr;
    QButtonGroup* models = nullptr;
    QPushButton* scanButton = nullptr;
    QLineEdit* byteCount = nullptr;
    QLineEdit* goodPackets = nullptr;
    QLineEdit* badPackets = nullptr;
    QCheckBox* autoRestart = nullptr;
    // The port the link was last told to use, so an edit that changes nothing does nothing.
    QString appliedPort;
};

}  // namespace rovik
