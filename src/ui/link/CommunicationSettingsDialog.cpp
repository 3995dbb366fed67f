#include "ui/link/CommunicationSettingsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/link/BoxState.h"
#include "core/link/LinkReader.h"
#include "platform/SerialPort.h"
#include "platform/SerialPortFinder.h"
#include "ui/app/FilePath.h"
#include "ui/link/AdvancedVxbDialog.h"
#include "ui/link/IpSettingsDialog.h"
#include "ui/link/PortScannerDialog.h"
#include "ui/link/SerialDevicesDialog.h"

namespace rovik {

namespace {
// The names older settings use for the first 99 serial ports.
constexpr int kComPorts = 99;

QLineEdit* MakeReadout() {
    auto* field = new QLineEdit;
    field->setReadOnly(true);
    return field;
}
}  // namespace

CommunicationSettingsDialog::CommunicationSettingsDialog(LinkReader& reader,
                                                         const BoxState& boxState,
                                                         const Choices& initial,
                                                         SerialPortFinder portFinder,
                                                         QWidget* parent)
    : QDialog(parent),
      link(reader),
      box(boxState),
      finder(std::move(portFinder)),
      transmitDelay(initial.transmitDelay) {
    setWindowTitle(tr("Communication Settings"));
    auto* right = new QVBoxLayout;
    right->addWidget(MakeModels());
    right->addLayout(MakeTools());
    auto* top = new QHBoxLayout;
    top->addLayout(MakeFields(initial.portName));
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(MakePortButtons(initial.autoRestart));
    ShowModel(initial.type);
    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, &CommunicationSettingsDialog::Refresh);
    timer.start();
    Refresh();
}

QLayout* CommunicationSettingsDialog::MakeFields(const std::string& portName) {
    port = new QComboBox;
    port->setEditable(true);
    port->setInsertPolicy(QComboBox::NoInsert);
    port->setMinimumWidth(220);
    // A combo box and the field a port is typed in would otherwise be announced by the text
    // they hold.
    port->setAccessibleName(tr("Port"));
    port->lineEdit()->setAccessibleName(tr("Port"));
    FillPorts(portName);
    connect(port, &QComboBox::activated, this,
            [this](int index) { ChoosePort(port->itemText(index)); });
    // A typed path takes effect when the user leaves the field or presses Enter.
    connect(port->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (port->currentText().trimmed() != appliedPort) {
            ChoosePort(port->currentText());
        }
    });
    status = MakeReadout();
    byteCount = MakeReadout();
    goodPackets = MakeReadout();
    badPackets = MakeReadout();
    auto* fields = new QFormLayout;
    fields->addRow(tr("&Port"), port);
    fields->addRow(tr("S&tatus"), status);
    fields->addRow(tr("Byte Count"), byteCount);
    fields->addRow(tr("Good Packets"), goodPackets);
    fields->addRow(tr("Bad Packets"), badPackets);
    return fields;
}

QWidget* CommunicationSettingsDialog::MakeModels() {
    auto* group = new QGroupBox(tr("VXB Model"));
    auto* choices = new QVBoxLayout(group);
    models = new QButtonGroup(this);
    const QString names[] = {tr("VX100 RS-232 Serial "), tr("VX101 USB"), tr("VX150 Wifi")};
    for (int model = 0; model < 3; ++model) {
        auto* button = new QRadioButton(names[model]);
        models->addButton(button, model);
        choices->addWidget(button);
    }
    connect(models, &QButtonGroup::idClicked, this, &CommunicationSettingsDialog::ChooseModel);
    return group;
}

QLayout* CommunicationSettingsDialog::MakeTools() {
    scanButton = new QPushButton;
    connect(scanButton, &QPushButton::clicked, this, &CommunicationSettingsDialog::Scan);
    auto* advanced = new QPushButton(tr("Advanced &USB VXB Properties"));
    connect(advanced, &QPushButton::clicked, this, &CommunicationSettingsDialog::ShowAdvanced);
    auto* tools = new QVBoxLayout;
    for (QPushButton* button : {scanButton, advanced}) {
        button->setAutoDefault(false);
        tools->addWidget(button);
    }
    return tools;
}

QLayout* CommunicationSettingsDialog::MakePortButtons(bool autoRestartOn) {
    autoRestart = new QCheckBox(tr("&AutoRestart"));
    autoRestart->setChecked(autoRestartOn);
    connect(autoRestart, &QCheckBox::toggled, this, [this](bool on) { link.SetAutoRestart(on); });
    auto* restart = new QPushButton(tr("&Restart Port"));
    connect(restart, &QPushButton::clicked, this, [this] { OpenEndpoint(ChosenEndpoint()); });
    auto* devices = new QPushButton(tr("Check &Device Manager"));
    connect(devices, &QPushButton::clicked, this, &CommunicationSettingsDialog::ShowDevices);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(autoRestart);
    for (QPushButton* button : {restart, devices}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(ok);
    return buttons;
}

void CommunicationSettingsDialog::FillPorts(const std::string& current) {
    for (const SerialDevice& device : finder.Find()) {
        port->addItem(FromPath(device.path));
        port->setItemData(port->count() - 1, QString::fromStdString(device.Description()),
                          Qt::ToolTipRole);
    }
    for (int number = 1; number <= kComPorts; ++number) {
        port->addItem(QString("COM%1").arg(number));
    }
    appliedPort = FromPath(current);
    port->setEditText(appliedPort);
}

CommunicationSettingsDialog::Choices CommunicationSettingsDialog::Chosen() const {
    return {ToPath(port->currentText().trimmed()), autoRestart->isChecked(), Model(),
            transmitDelay};
}

void CommunicationSettingsDialog::Refresh() {
    status->setText(LinkStatusText(link.GetStatus()));
    byteCount->setText(QString::number(link.GetByteCount()));
    goodPackets->setText(QString::number(box.Statistics().j1708GoodPackets));
    badPackets->setText(QString::number(box.Statistics().j1708Errors));
}

ConnectionType CommunicationSettingsDialog::Model() const {
    return static_cast<ConnectionType>(std::max(0, models->checkedId()));
}

void CommunicationSettingsDialog::ShowModel(ConnectionType model) {
    models->button(static_cast<int>(model))->setChecked(true);
    scanButton->setText(model == ConnectionType::Vx150Wifi ? tr("Customize &IP Settings")
                                                           : tr("S&can for VXB Connections"));
}

LinkSource::Endpoint CommunicationSettingsDialog::ChosenEndpoint() const {
    return {Model(), ToPath(port->currentText().trimmed()), link.GetHostAddress(),
            link.GetTcpPort()};
}

void CommunicationSettingsDialog::OpenEndpoint(const LinkSource::Endpoint& endpoint) {
    appliedPort = FromPath(endpoint.portName);
    link.RequestOpen(endpoint);
}

void CommunicationSettingsDialog::ChoosePort(const QString& name) {
    if (!name.trimmed().isEmpty()) {
        port->setEditText(name.trimmed());
        OpenEndpoint(ChosenEndpoint());
    }
}

void CommunicationSettingsDialog::ChooseModel(int model) {
    ShowModel(static_cast<ConnectionType>(model));
    OpenEndpoint(ChosenEndpoint());
}

void CommunicationSettingsDialog::Scan() {
    if (Model() == ConnectionType::Vx150Wifi) {
        CustomizeIp();
    } else {
        ScanPorts();
    }
}

void CommunicationSettingsDialog::ScanPorts() {
    PortScannerDialog scanner(finder, Model(), ToPath(port->currentText().trimmed()), this);
    if (scanner.exec() == QDialog::Accepted) {
        ShowModel(scanner.Model());
        port->setEditText(FromPath(scanner.Port()));
        OpenEndpoint(ChosenEndpoint());
    }
}

void CommunicationSettingsDialog::CustomizeIp() {
    IpSettingsDialog settings(link.GetHostAddress(), link.GetTcpPort(), this);
    if (settings.exec() == QDialog::Accepted) {
        LinkSource::Endpoint endpoint = ChosenEndpoint();
        endpoint.hostAddress = settings.Address();
        endpoint.tcpPort = settings.Port();
        OpenEndpoint(endpoint);
    }
}

void CommunicationSettingsDialog::ShowAdvanced() {
    if (Model() != ConnectionType::Vx101Usb) {
        QMessageBox::information(this, tr("Version Check"),
                                 tr("USB VXB Required for this feature."));
        return;
    }
    AdvancedVxbDialog advanced(link, box, transmitDelay, this);
    advanced.exec();
    // The link already sends at the delay last chosen there, however the dialog was closed.
    transmitDelay = advanced.TransmitDelay();
}

void CommunicationSettingsDialog::ShowDevices() {
    const std::string chosen = SerialPort::DevicePath(ToPath(port->currentText().trimmed()));
    SerialDevicesDialog devices(finder.Find(), SerialPortFinder::Check(chosen), this);
    devices.exec();
}

}  // namespace rovik
