#include "ui/params/PidSnifferDialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/params/ParameterTable.h"
#include "core/params/PidSniffer.h"

namespace rovik {

namespace {
// The listing lines up in columns, so it needs a fixed-pitch font.
QFont ListingFont() {
    QFont font("Courier New", 9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

constexpr int kLineColumns = 62;
}  // namespace

PidSnifferDialog::PidSnifferDialog(ParameterTable& table, const ValueLookup* lookup,
                                   QWidget* parent)
    : QDialog(parent), parameters(table), values(lookup) {
    setWindowTitle(tr("PID Sniffer"));
    list = new QListWidget;
    list->setAccessibleName(tr("PIDs"));
    list->setFont(ListingFont());
    list->setMinimumSize(QFontMetrics(list->font()).horizontalAdvance(QString(kLineColumns, 'X')) +
                             list->verticalScrollBar()->sizeHint().width(),
                         360);
    connect(list, &QListWidget::itemDoubleClicked, this, &PidSnifferDialog::AddDefinition);

    auto* sniffAgain = new QPushButton(tr("&Sniff Again"));
    auto* add = new QPushButton(tr("&Add Parameter Definition"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    buttons->addButton(sniffAgain, QDialogButtonBox::ActionRole);
    buttons->addButton(add, QDialogButtonBox::ActionRole);
    for (QPushButton* button : {sniffAgain, add}) {
        button->setAutoDefault(false);
    }
    connect(sniffAgain, &QPushButton::clicked, this, [this] { Fill(SelectedPid()); });
    connect(add, &QPushButton::clicked, this, &PidSnifferDialog::AddDefinition);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    Fill(std::nullopt);
    list->setFocus();
}

void PidSnifferDialog::Fill(std::optional<unsigned> selected) {
    list->clear();
    if (!values) {
        return;
    }
    for (const PidSniffer::Line& line : PidSniffer::Lines(*values, parameters)) {
        auto* item = new QListWidgetItem(QString::fromLatin1(line.text.c_str()), list);
        item->setData(Qt::UserRole, line.pid);
        if (selected == line.pid) {
            list->setCurrentItem(item);
        }
    }
}

std::optional<unsigned> PidSnifferDialog::SelectedPid() const {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.front()->data(Qt::UserRole).toUInt();
}

void PidSnifferDialog::AddDefinition() {
    const std::optional<unsigned> pid = SelectedPid();
    if (!pid) {
        Tell(tr("Please select a PID to add."));
        return;
    }
    switch (PidSniffer::AddDefinition(parameters, *pid)) {
        case PidSniffer::Addition::Added:
            Fill(pid);
            break;
        case PidSniffer::Addition::AlreadyDefined:
            Tell(tr("Parameter is already defined."));
            break;
        case PidSniffer::Addition::NotAvailable:
            Tell(tr("Automatic definition is not available for this PID."));
            break;
        case PidSniffer::Addition::TableFull:
            Tell(tr("PARAMTRS.DAT keeps at most %1 parameters. Please delete one in the "
                    "Parameter Editor before adding another.")
                     .arg(ParameterTable::kMaxSaved));
            break;
    }
}

void PidSnifferDialog::Tell(const QString& text) {
    QMessageBox::information(this, tr("Automatic PID Definition"), text);
}

}  // namespace rovik
