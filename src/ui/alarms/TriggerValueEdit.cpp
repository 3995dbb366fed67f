#include "ui/alarms/TriggerValueEdit.h"

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

}  // namespace rovik
