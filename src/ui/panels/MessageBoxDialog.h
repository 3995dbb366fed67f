#pragma once

#include <QDialog>

#include "core/panels/MessageBoxRecord.h"

class QCheckBox;
class QSpinBox;

namespace rovik {

class ColorChooser;
class ParameterList;
class ParameterTable;

// The properties of a message box: how many lines it has, whether it shows only the
// messages of one parameter, and its background.
class MessageBoxDialog : public QDialog {
    Q_OBJECT
public:
    MessageBoxDialog(const MessageBoxRecord& record, const ParameterTable& parameters,
                     QWidget* parent = nullptr);

    // The record with the choices made; the given one unless OK closed the dialog.
    MessageBoxRecord Result() const;

private:
    MessageBoxRecord record;
    QSpinBox* linesBox;
    QCheckBox* limitBox;
    ParameterList* filterList;
    ColorChooser* colorChooser;
};

}  // namespace rovik
