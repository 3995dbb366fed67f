#pragma once

#include <QDialog>

#include "core/alarms/TextMessage.h"

class QLineEdit;

namespace rovik {

class ColorChooser;
class ParameterList;
class ParameterTable;
class RadioChoice;
class TriggerValueEdit;

// Edits one text message: the parameter it watches, the trigger value and condition, the
// text and the colour of its line.
class TextMessageDialog : public QDialog {
    Q_OBJECT
public:
    TextMessageDialog(const TextMessage& message, const ParameterTable& parameters,
                      QWidget* parent = nullptr);

    // The message with the choices made; valid after OK.
    const TextMessage& Result() const { return message; }

    void accept() override;

private:
    TextMessage message;
    ParameterList* parameterList;
    TriggerValueEdit* triggerEdit;
    RadioChoice* triggerType;
    QLineEdit* textEdit;
    ColorChooser* colorChooser;
};

}  // namespace rovik
