#include "ui/panels/MessageBoxDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/alarms/ParameterList.h"
#include "ui/panels/ColorChooser.h"

namespace rovik {

MessageBoxDialog::MessageBoxDialog(const MessageBoxRecord& record, const ParameterTable& parameters,
                                   QWidget* parent)
    : QDialog(parent),
      record(record),
      linesBox(new QSpinBox),
      limitBox(new QCheckBox(tr("Li&mit to Messages Based on a Particular Parameter"))),
      filterList(new ParameterList(parameters, record.filterPid)),
      colorChooser(new ColorChooser(record.background, tr("Change &Color"))) {
    setWindowTitle(tr("Message Box Configuration"));
    linesBox->setRange(1, MessageBoxRecord::kMaxLines);
    linesBox->setValue(record.Lines());
    linesBox->setAccessibleName(tr("Message Lines"));
    limitBox->setChecked(record.limitToFilter);
    auto* form = new QFormLayout;
    form->addRow(tr("Message &Lines"), linesBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(limitBox);
    layout->addWidget(filterList);
    layout->addWidget(colorChooser);
    layout->addWidget(buttons);
}

MessageBoxRecord MessageBoxDialog::Result() const {
    if (result() != Accepted) {
        return record;
    }
    MessageBoxRecord chosen = record;
    chosen.messageLines = static_cast<std::uint8_t>(linesBox->value());
    chosen.limitToFilter = limitBox->isChecked();
    chosen.filterPid = filterList->Pid().value_or(record.filterPid);
    chosen.background = colorChooser->Color();
    return chosen;
}

}  // namespace rovik
