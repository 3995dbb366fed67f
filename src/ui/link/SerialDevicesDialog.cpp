#include "ui/link/SerialDevicesDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/app/FilePath.h"

namespace rovik {

namespace {
// Serial devices belong to this group on Debian unless the system says otherwise.
const QString kSerialGroup = "dialout";

QString GroupOf(const SerialDevice& device) {
    return device.group.empty() ? kSerialGroup : QString::fromStdString(device.group);
}
}  // namespace

SerialDevicesDialog::SerialDevicesDialog(const std::vector<SerialDevice>& devices,
                                         const SerialDevice& chosenPort, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Serial Devices"));
    auto* verdict = new QLabel(PortVerdict(chosenPort));
    verdict->setWordWrap(true);
    verdict->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* table = new QTreeWidget;
    table->setRootIsDecorated(false);
    table->setHeaderLabels({tr("Device"), tr("Driver"), tr("USB vendor and product"),
                            tr("Stable name"), tr("Access")});
    for (const SerialDevice& device : devices) {
        const QString usb =
            device.usbId.empty()
                ? QString()
                : QString::fromStdString(device.Description() + " (" + device.usbId + ")");
        new QTreeWidgetItem(table, {FromPath(device.path), QString::fromStdString(device.driver),
                                    usb, FromPath(device.stableName), Access(device)});
    }
    table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setMinimumWidth(720);
    auto* label = new QLabel(devices.empty() ? tr("No serial devices were &found.")
                                             : tr("Serial devices &found"));
    label->setBuddy(table);
    table->setAccessibleName(label->text().remove('&'));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(verdict);
    layout->addWidget(label);
    layout->addWidget(table);
    auto barred = std::find_if(devices.begin(), devices.end(), [](const SerialDevice& device) {
        return device.exists && !device.mayOpen;
    });
    if (barred != devices.end()) {
        auto* fix =
            new QLabel(tr("To open the devices you are not allowed to: %1").arg(GroupFix(*barred)));
        fix->setWordWrap(true);
        fix->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        layout->addWidget(fix);
    }
    layout->addWidget(buttons);
}

QString SerialDevicesDialog::PortVerdict(const SerialDevice& port) {
    const QString path = FromPath(port.path);
    if (path.isEmpty()) {
        return tr("No port is chosen.");
    }
    if (!port.exists) {
        return tr("The chosen port %1 does not exist. Plug the box in, or choose another port.")
            .arg(path);
    }
    if (!port.mayOpen) {
        return tr("You may not open the chosen port %1. %2").arg(path, GroupFix(port));
    }
    return tr("You may open the chosen port %1.").arg(path);
}

QString SerialDevicesDialog::Access(const SerialDevice& device) {
    if (!device.exists) {
        return tr("No device file");
    }
    if (device.mayOpen) {
        return tr("You may open it");
    }
    return tr("Not allowed (group %1)").arg(GroupOf(device));
}

QString SerialDevicesDialog::GroupFix(const SerialDevice& device) {
    if (device.inGroup) {
        return tr("Its permissions keep out even the members of its group %1.")
            .arg(GroupOf(device));
    }
    return tr("Add yourself to its group: sudo adduser $USER %1, then log out and in again.")
        .arg(GroupOf(device));
}

}  // namespace rovik
