#include "ui/alarms/TextMessageDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/alarms/ParameterList.h"
#include "ui/alarms/RadioChoice.h"
#include "ui/alarms/TriggerValueEdit.h"
#include "ui/panels/ColorChooser.h"

namespace rovik {

namespace {
// The file keeps a length byte before the text.
constexpr int kMaxTextLength = 255;
}  // namespace

TextMessageDialog::TextMessageDialog(const TextMessage& message, const ParameterTable& parameters,
                                     QWidget* parent)
    : QDialog(parent),
      message(message),
      parameterList(new ParameterList(parameters, message.pid)),
      triggerEdit(new TriggerValueEdit(message.triggerValue)),
      triggerType(new RadioChoice(
          tr("Trigger When"),
          {tr("O&ver"), tr("&Under"), tr("&Equal"), tr("&Bit Match"), tr("Bit &Zero")},
          message.triggerType)),
      textEdit(new QLineEdit(QString::fromLatin1(message.text.c_str()))),
      colorChooser(new ColorChooser(message.color, tr("Change &Color"))) {
    setWindowTitle(tr("Text Message Editor"));
    QGroupBox* parameterGroup = parameterList->InGroup();
    QFormLayout* form = triggerEdit->LabelledRow();

    auto* textLabel = new QLabel(tr("&Message Text"));
    textLabel->setBuddy(textEdit);
    textEdit->setAccessibleName(tr("Message Text"));
    textEdit->setMaxLength(kMaxTextLength);
    textEdit->setMinimumWidth(220);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addWidget(triggerType);
    right->addWidget(textLabel);
    right->addWidget(textEdit);
    right->addWidget(colorChooser);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(parameterGroup);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
}

void TextMessageDialog::accept() {
    const std::optional<float> trigger = triggerEdit->Checked();
    if (!trigger) {
        return;
    }
    message.pid = parameterList->Pid().value_or(message.pid);
    message.triggerValue = *trigger;
    message.triggerType = static_cast<std::uint8_t>(triggerType->Value());
    message.text = textEdit->text().toLatin1().toStdString();
    message.color = colorChooser->Color();
    QDialog::accept();
}

}  // namespace rovik
