#include "ui/link/AdvancedVxbDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/link/BoxCommands.h"
#include "core/link/BoxState.h"
#include "core/link/LinkReader.h"

namespace rovik {

namespace {
// The packet that shows whether the box takes what is sent at the chosen delay.
constexpr std::uint8_t kTestPacket[10] = {};

QString Count(unsigned value) {
    return QString::asprintf("%6d", static_cast<int>(value));
}
}  // namespace

AdvancedVxbDialog::AdvancedVxbDialog(LinkReader& reader, const BoxState& boxState,
                                     std::uint8_t transmitDelay, QWidget* parent)
    : QDialog(parent), link(reader), box(boxState) {
    setWindowTitle(tr("Advanced VXB Properties"));
    auto* done = new QDialogButtonBox;
    done->addButton(tr("&Done"), QDialogButtonBox::AcceptRole);
    connect(done, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* grid = new QGridLayout;
    AddStatistics(grid);
    AddSettings(grid, transmitDelay);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(done);
    timer.setInterval(kTickMs);
    connect(&timer, &QTimer::timeout, this, &AdvancedVxbDialog::Tick);
    timer.start();
}

void AdvancedVxbDialog::AddStatistics(QGridLayout* grid) {
    goodPackets = AddReadout(grid, 0, 0, tr("Good Packets"));
    errors = AddReadout(grid, 1, 0, tr("Errors"));
    bitGap = AddReadout(grid, 2, 0, tr("&Bit Gap"));
    AddStepButtons(grid, 2, 2, tr("bit gap"), &AdvancedVxbDialog::RaiseBitGap,
                   &AdvancedVxbDialog::LowerBitGap);
    bytesRead = AddReadout(grid, 3, 0, tr("Bytes Read"));
    bytesDiscarded = AddReadout(grid, 4, 0, tr("Bytes Discarded"));
    packetsReceived = AddReadout(grid, 0, 4, tr("Packets Rcvd"));
    packetsMissed = AddReadout(grid, 1, 4, tr("Packets Missed"));
    usbOverflows = AddReadout(grid, 2, 4, tr("USB Overflows"));
    canCycleSize = AddReadout(grid, 3, 4, tr("&CAN Cycle Size"));
    AddStepButtons(grid, 3, 6, tr("CAN cycle size"), &AdvancedVxbDialog::RaiseCanCycleSize,
                   &AdvancedVxbDialog::LowerCanCycleSize);
    version = AddReadout(grid, 5, 0, tr("VXB Version"));
    usbTxStatus = AddReadout(grid, 6, 0, tr("USB Tx Status"));
    j1708Performance = AddReadout(grid, 6, 4, tr("J1708 Performance"));
}

void AdvancedVxbDialog::AddSettings(QGridLayout* grid, std::uint8_t transmitDelay) {
    fuelMeter = new QCheckBox(tr("VXB &Fuelmeter"));
    connect(fuelMeter, &QCheckBox::clicked, this, &AdvancedVxbDialog::SwitchFuelMeter);
    auto* zero = new QPushButton(tr("&Zero Fuelmeter"));
    connect(zero, &QPushButton::clicked, this, &AdvancedVxbDialog::ZeroFuelMeter);
    transmitDelayField = new QSpinBox;
    transmitDelayField->setRange(0, 255);
    transmitDelayField->setValue(transmitDelay);
    connect(transmitDelayField, &QSpinBox::valueChanged, this,
            &AdvancedVxbDialog::ChangeTransmitDelay);
    auto* delayLabel = new QLabel(tr("USB Tx &Delay"));
    delayLabel->setBuddy(transmitDelayField);
    auto* test = new QPushButton(tr("&Test"));
    connect(test, &QPushButton::clicked, this, &AdvancedVxbDialog::SendTestPacket);
    grid->addWidget(fuelMeter, 7, 0, 1, 2);
    grid->addWidget(zero, 7, 4, 1, 2);
    grid->addWidget(delayLabel, 8, 0);
    grid->addWidget(transmitDelayField, 8, 1);
    grid->addWidget(test, 8, 4, 1, 2);
}

QLineEdit* AdvancedVxbDialog::AddReadout(QGridLayout* grid, int row, int column,
                                         const QString& label) {
    auto* field = new QLineEdit;
    field->setReadOnly(true);
    auto* name = new QLabel(label);
    name->setBuddy(field);
    grid->addWidget(name, row, column);
    grid->addWidget(field, row, column + 1);
    return field;
}

void AdvancedVxbDialog::AddStepButtons(QGridLayout* grid, int row, int column, const QString& what,
                                       void (AdvancedVxbDialog::*raise)(),
                                       void (AdvancedVxbDialog::*lower)()) {
    auto* up = new QPushButton("+");
    auto* down = new QPushButton("-");
    up->setAccessibleName("+");
    down->setAccessibleName("-");
    up->setAccessibleDescription(tr("Raise the %1").arg(what));
    down->setAccessibleDescription(tr("Lower the %1").arg(what));
    for (QPushButton* button : {up, down}) {
        button->setMaximumWidth(32);
        button->setAutoDefault(false);
    }
    connect(up, &QPushButton::clicked, this, raise);
    connect(down, &QPushButton::clicked, this, lower);
    auto* pair = new QHBoxLayout;
    pair->addWidget(up);
    pair->addWidget(down);
    grid->addLayout(pair, row, column);
}

std::uint8_t AdvancedVxbDialog::TransmitDelay() const {
    return static_cast<std::uint8_t>(transmitDelayField->value());
}

void AdvancedVxbDialog::Tick() {
    ShowStatistics();
    const std::string_view command = cycle.Next();
    if (!command.empty()) {
        link.QueueString(command);
    }
    // Once seen, it stays until the dialog is opened again.
    if (box.IsJ1708Suppressed()) {
        j1708Performance->setText(tr("Suppressed"));
    }
}

void AdvancedVxbDialog::ShowStatistics() {
    const BoxStatistics& statistics = box.Statistics();
    goodPackets->setText(Count(statistics.j1708GoodPackets));
    errors->setText(Count(statistics.j1708Errors));
    bitGap->setText(Count(statistics.bitGap));
    bytesRead->setText(Count(statistics.j1708BytesRead));
    bytesDiscarded->setText(Count(statistics.j1708BytesDiscarded));
    packetsReceived->setText(Count(statistics.j1939PacketsReceived));
    packetsMissed->setText(Count(statistics.j1939PacketsMissed));
    usbOverflows->setText(Count(statistics.usbOverflows));
    canCycleSize->setText(Count(box.Registers().Get(BoxRegisterImage::kCanCycleSize)));
    version->setText(QString::fromLatin1(box.Version().c_str()));
    usbTxStatus->setText(box.IsShortRead() ? tr("Error") : tr("Ok"));
    fuelMeter->setChecked(box.Registers().Get(BoxRegisterImage::kFuelMeter) != 0);
}

void AdvancedVxbDialog::RaiseBitGap() {
    if (auto command = BoxCommands::RaiseBitGap(box.Statistics().bitGap)) {
        link.QueueString(*command);
    }
}

void AdvancedVxbDialog::LowerBitGap() {
    if (auto command = BoxCommands::LowerBitGap(box.Statistics().bitGap)) {
        link.QueueString(*command);
    }
}

void AdvancedVxbDialog::RaiseCanCycleSize() {
    link.QueueString(
        BoxCommands::RaiseCanCycleSize(box.Registers().Get(BoxRegisterImage::kCanCycleSize)));
}

void AdvancedVxbDialog::LowerCanCycleSize() {
    link.QueueString(
        BoxCommands::LowerCanCycleSize(box.Registers().Get(BoxRegisterImage::kCanCycleSize)));
}

void AdvancedVxbDialog::SwitchFuelMeter() {
    link.QueueString(
        BoxCommands::SwitchFuelMeter(box.Registers().Get(BoxRegisterImage::kFuelMeter)));
}

void AdvancedVxbDialog::ZeroFuelMeter() {
    link.QueueString(BoxCommands::kZeroFuelMeter);
}

void AdvancedVxbDialog::ChangeTransmitDelay(int milliseconds) {
    link.SetTransmitDelay(static_cast<std::uint32_t>(milliseconds));
    SendTestPacket();
}

void AdvancedVxbDialog::SendTestPacket() {
    link.SendPacket(kTestPacket, sizeof kTestPacket);
}

}  // namespace rovik
