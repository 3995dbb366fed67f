#include "ui/link/PortScannerDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/SerialPortFinder.h"
#include "ui/app/FilePath.h"

namespace rovik {

namespace {
// The box's USB interface carries this in its product name.
const QString kBoxName = "Rovik";
constexpr int kPathWidth = 16;
}  // namespace

PortScannerDialog::PortScannerDialog(SerialPortFinder portFinder, ConnectionType current,
                                     std::string currentPort, QWidget* parent)
    : QDialog(parent),
      finder(std::move(portFinder)),
      model(current),
      port(std::move(currentPort)),
      list(new QListWidget) {
    setWindowTitle(tr("Port Scanner"));
    list->setSortingEnabled(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFont(QFont("Courier New", 9));
    list->setMinimumWidth(480);
    auto* label = new QLabel(tr("Serial &ports"));
    label->setBuddy(list);
    list->setAccessibleName(tr("Serial ports"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* again = buttons->addButton(tr("&Scan Again"), QDialogButtonBox::ActionRole);
    connect(again, &QPushButton::clicked, this, &PortScannerDialog::Scan);
    connect(buttons, &QDialogButtonBox::accepted, this, &PortScannerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QListWidget::itemDoubleClicked, this, &PortScannerDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    Scan();
}

void PortScannerDialog::Scan() {
    list->clear();
    for (const SerialDevice& device : finder.Find()) {
        const QString path = FromPath(device.path);
        auto* line = new QListWidgetItem(QString("%1 %2")
                                             .arg(path, -kPathWidth)
                                             .arg(QString::fromStdString(device.Description())),
                                         list);
        line->setData(Qt::UserRole, path);
    }
    // The list is sorted, so the last line that names the box stays selected.
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text().contains(kBoxName)) {
            list->setCurrentRow(row);
        }
    }
}

void PortScannerDialog::accept() {
    if (QListWidgetItem* line = list->currentItem(); line && line->isSelected()) {
        model = line->text().contains(kBoxName) ? ConnectionType::Vx101Usb
                                                : ConnectionType::Vx100Serial;
        port = ToPath(line->data(Qt::UserRole).toString());
    }
    QDialog::accept();
}

}  // namespace rovik
