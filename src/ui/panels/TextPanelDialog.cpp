#include "ui/panels/TextPanelDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace rovik {

TextPanelDialog::TextPanelDialog(const TextPanelRecord& panel, QWidget* parent)
    : PanelStyleDialog({panel.background, panel.alignment, {}}, nullptr, parent),
      panel(panel),
      textField(new QLineEdit(QString::fromLatin1(panel.text.c_str()))) {
    setWindowTitle(tr("Text Panel Settings"));
    // The screen file keeps the text in 8-bit characters, its length in one byte.
    textField->setMaxLength(static_cast<int>(TextPanelRecord::kMaxTextLength));
    textField->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x{20}-\\x{7E}\\x{A0}-\\x{FF}]*")), textField));
    textField->setMinimumWidth(240);
    auto* section = new QGroupBox(tr("Panel Text"));
    (new QFormLayout(section))->addRow(tr("&Text"), textField);
    AddSection(section, {textField});
}

TextPanelRecord TextPanelDialog::Result() const {
    if (result() != Accepted) {
        return panel;
    }
    TextPanelRecord chosen = panel;
    chosen.background = Background();
    chosen.alignment = Alignment();
    chosen.text = textField->text().toLatin1().toStdString();
    return chosen;
}

}  // namespace rovik
