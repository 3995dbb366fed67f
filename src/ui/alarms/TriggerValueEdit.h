#pragma once

#include <QLineEdit>
#include <optional>

class QFormLayout;

namespace rovik {

// The edit box of a trigger value, which refuses, with a message, anything but a number.
class TriggerValueEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TriggerValueEdit(float value, QWidget* parent = nullptr);

    // The number typed; none, after telling the user and taking the focus, when it is none.
    std::optional<float> Checked();
    // The box on a form row of its own behind its "Trigger Value" label.
    QFormLayout* LabelledRow();
};

}  // namespace rovik
