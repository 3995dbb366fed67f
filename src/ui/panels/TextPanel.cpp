#include "ui/panels/TextPanel.h"

#include "core/app/Screen.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/PanelPainting.h"
#include "ui/panels/QtColor.h"
#include "ui/panels/TextPanelDialog.h"

namespace rovik {

TextPanel::TextPanel(PanelHost& host, const TextPanelRecord& text, bool fromFile)
    : Panel(host, text, fromFile), record(text) {}

void TextPanel::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(WithCommonFields(record));
}

QString TextPanel::Reading() const {
    return record.text.empty() ? Panel::Reading() : QString::fromLatin1(record.text.c_str());
}

void TextPanel::ShowProperties() {
    TextPanelDialog dialog(WithCommonFields(record), this);
    if (dialog.exec() == QDialog::Accepted) {
        record = dialog.Result();
        SetBackground(record.background);
    }
    setFocus();
}

void TextPanel::Paint(QPainter& painter) {
    Panel::Paint(painter);
    painter.setPen(ToQColor(host.PanelTextColor()));
    DrawPanelLine(painter, rect(), QString::fromLatin1(record.text.c_str()), record.alignment);
}

}  // namespace rovik
