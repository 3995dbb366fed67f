#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace rovik {

// Reads numbers typed into a dialog's fields. A value that is no number or out of its
// range is refused: a message says why and the field takes the focus, so the dialog stays
// open on it.
class RangeCheck {
public:
    explicit RangeCheck(QWidget* dialog) : dialog(dialog) {}

    bool Integer(QLineEdit* field, int low, int high, int& value) const;
    bool Number(QLineEdit* field, double low, double high, double& value) const;

private:
    bool Refuse(QLineEdit* field, const QString& why) const;

    QWidget* dialog;
};

}  // namespace rovik
