#include "ui/panels/TransmissionPanel.h"

#include "core/app/Screen.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/PanelPainting.h"
#include "ui/panels/QtColor.h"
#include "ui/panels/TransmissionDialog.h"

namespace rovik {

namespace {
constexpr int kRefreshMs = 250;
}  // namespace

TransmissionPanel::TransmissionPanel(PanelHost& host, const TransmissionRecord& transmission,
                                     bool fromFile)
    : Panel(host, transmission, fromFile), record(transmission) {
    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, &TransmissionPanel::Tick);
    timer.start();
}

void TransmissionPanel::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(WithCommonFields(record));
}

void TransmissionPanel::Tick() {
    const ValueLookup* values = host.Values();
    if (values && letters.Update(*values)) {
        update();
    }
}

QString TransmissionPanel::Reading() const {
    QStringList shown;
    if (record.showGearSelected) {
        shown << QString("Selected %1").arg(QChar::fromLatin1(letters.Selected()));
    }
    if (record.showGearAttained) {
        shown << QString("Attained %1").arg(QChar::fromLatin1(letters.Attained()));
    }
    return shown.isEmpty() ? Panel::Reading() : shown.join(", ");
}

void TransmissionPanel::ShowProperties() {
    TransmissionDialog dialog(WithCommonFields(record), this);
    if (dialog.exec() == QDialog::Accepted) {
        record = dialog.Result();
        SetBackground(record.background);
    }
    setFocus();
}

void TransmissionPanel::Paint(QPainter& painter) {
    Panel::Paint(painter);
    painter.setPen(ToQColor(host.PanelTextColor()));
    const bool both = record.showGearSelected && record.showGearAttained;
    const int half = width() / 2;
    const QRect left = both ? QRect(0, 0, half, height()) : rect();
    const QRect right = both ? QRect(half, 0, width() - half, height()) : rect();
    if (record.showGearSelected) {
        DrawPanelLine(painter, left, QChar::fromLatin1(letters.Selected()), record.alignment);
    }
    if (record.showGearAttained) {
        DrawPanelLine(painter, right, QChar::fromLatin1(letters.Attained()), record.alignment);
    }
    letters.Drawn();
}

}  // namespace rovik
