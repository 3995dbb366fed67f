#include "ui/maint/RangeCheck.h"

#include <QLineEdit>
#include <QMessageBox>

namespace rovik {

bool RangeCheck::Integer(QLineEdit* field, int low, int high, int& value) const {
    bool ok = false;
    value = field->text().trimmed().toInt(&ok);
    if (!ok || value < low || value > high) {
        return Refuse(field,
                      QObject::tr("Please enter an integer between %1 and %2.").arg(low).arg(high));
    }
    return true;
}

bool RangeCheck::Number(QLineEdit* field, double low, double high, double& value) const {
    bool ok = false;
    value = field->text().trimmed().toDouble(&ok);
    // Written this way round, a value that is no number fails too.
    if (!ok || !(value >= low && value <= high)) {
        return Refuse(field, QObject::tr("Please enter a number between %1 and %2.")
                                 .arg(low, 0, 'g', 10)
                                 .arg(high, 0, 'g', 10));
    }
    return true;
}

bool RangeCheck::Refuse(QLineEdit* field, const QString& why) const {
    QMessageBox::warning(dialog, dialog->windowTitle(), why);
    field->setFocus();
    field->selectAll();
    return false;
}

}  // namespace rovik
