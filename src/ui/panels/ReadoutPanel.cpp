#include "ui/panels/ReadoutPanel.h"

#include <QPainter>

#include "core/panels/ReadoutLayout.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/PanelPainting.h"
#include "ui/panels/QtColor.h"

namespace rovik {

namespace {
constexpr int kRefreshMs = 500;
// Kept clear at each side of a cell, so numbers in neighbouring columns never touch.
constexpr int kCellPadding = 2;

void DrawText(QPainter& painter, const PanelRect& cell, const std::string& text,
              TextAlignment alignment) {
    if (cell.IsEmpty() || text.empty()) {
        return;
    }
    const QString shown = QString::fromLatin1(text.c_str());
    const QRect inside = ToQRect(cell).adjusted(kCellPadding, 0, -kCellPadding, 0);
    painter.setFont(FittedFont(inside, shown, inside.height()));
    painter.drawText(inside, ToQt(alignment) | Qt::AlignTop | Qt::TextDontClip, shown);
}
}  // namespace

ReadoutPanel::ReadoutPanel(PanelHost& host, const PanelRecord& record, bool fromFile)
    : Panel(host, record, fromFile) {
    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, [this] { Tick(); });
    timer.start();
}

const Totals& ReadoutPanel::CurrentTotals() const {
    return host.CurrentTotals();
}

QString ReadoutPanel::Reading() const {
    QStringList numbers;
    for (const ReadoutText::Field& field : Fields()) {
        const std::string words = field.caption + " " + field.value + " " + field.unit;
        numbers << QString::fromLatin1(words.c_str()).trimmed();
    }
    return numbers.isEmpty() ? Panel::Reading() : numbers.join(", ");
}

void ReadoutPanel::Paint(QPainter& painter) {
    Panel::Paint(painter);
    painter.setPen(ToQColor(host.PanelTextColor()));
    const std::vector<ReadoutText::Field> fields = Fields();
    const std::vector<ReadoutLayout::Cells> cells =
        ReadoutLayout::For({0, 0, width(), height()}, fields.size(), Look());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        DrawText(painter, cells[i].caption, fields[i].caption, Look().alignment);
        DrawText(painter, cells[i].value, fields[i].value, Look().alignment);
        DrawText(painter, cells[i].unit, fields[i].unit, Look().alignment);
    }
}

}  // namespace rovik
