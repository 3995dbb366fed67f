#include "ui/link/IpSettingsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace rovik {

namespace {
constexpr unsigned kLargestPort = 65535;
}  // namespace

IpSettingsDialog::IpSettingsDialog(const std::string& address, std::uint16_t port, QWidget* parent)
    : QDialog(parent),
      addressField(new QLineEdit(QString::fromLatin1(address.c_str()))),
      portField(new QLineEdit(QString::number(port))) {
    setWindowTitle(tr("IP Settings"));
    auto* form = new QFormLayout;
    form->addRow(tr("IP &Address"), addressField);
    form->addRow(tr("IP &Port"), portField);
    auto* note =
        new QLabel(tr("On its own ad hoc Wi-Fi network the VX150 box has the address "
                      "169.254.1.1."));
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &IpSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(new QLabel(tr("Default is 51966")));
    layout->addWidget(buttons);
}

std::string IpSettingsDialog::Address() const {
    return addressField->text().trimmed().toLatin1().toStdString();
}

std::uint16_t IpSettingsDialog::Port() const {
    return static_cast<std::uint16_t>(portField->text().trimmed().toUInt());
}

void IpSettingsDialog::accept() {
    bool number = false;
    const unsigned port = portField->text().trimmed().toUInt(&number);
    if (!number || port > kLargestPort) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Please enter an integer between 0 and %1.").arg(kLargestPort));
        portField->setFocus();
        portField->selectAll();
        return;
    }
    if (Address().empty()) {
        QMessageBox::warning(this, windowTitle(), tr("Please enter the box's IP address."));
        addressField->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace rovik
