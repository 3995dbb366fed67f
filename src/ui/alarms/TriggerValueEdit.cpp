#include "ui/alarms/TriggerValueEdit.h"

#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <cmath>

namespace rovik {

TriggerValueEdit::TriggerValueEdit(float value, QWidget* parent)
    : QLineEdit(QString::number(value, 'g', 7), parent) {
    setAccessibleName(tr("Trigger Value"));
}

std::optional<float> TriggerValueEdit::Checked() {
    bool isNumber = false;
    const float value = text().trimmed().toFloat(&isNumber);
    if (isNumber && std::isfinite(value)) {
        return value;
    }
    QMessageBox::warning(this, window()->windowTitle(), tr("Please enter a number."));
    setFocus();
    selectAll();
    return std::nullopt;
}

QFormLayout* TriggerValueEdit::LabelledRow() {
    auto* row = new QFormLayout;
    auto* label = new QLabel(tr("&Trigger Value"));
    label->setBuddy(this);
    row->addRow(label, this);
    return row;
}

}  // namespace rovik
