#include "ui/panels/MultibarPanel.h"

#include "core/app/Screen.h"
#include "core/panels/EntryColors.h"
#include "core/panels/GaugeText.h"
#include "core/panels/MultibarLayout.h"
#include "core/params/Parameter.h"
#include "ui/panels/MultibarDialog.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/PanelPainting.h"
#include "ui/panels/QtColor.h"

namespace rovik {

namespace {
constexpr int kRefreshMs = 500;

// The rows' plain face, its letters with their ascent and descent as tall as a row.
QFont RowFont(int rowHeight) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, rowHeight * 9 / 10));
    return font;
}
}  // namespace

MultibarPanel::MultibarPanel(PanelHost& host, const MultibarRecord& multibar, bool fromFile)
    : ParameterListPanel(host, multibar, fromFile), record(multibar) {
    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, [this] { update(); });
    timer.start();
}

void MultibarPanel::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(WithCommonFields(record));
}

void MultibarPanel::ShowProperties() {
    MultibarDialog dialog(host.Parameters(), WithCommonFields(record), this);
    if (dialog.exec() == QDialog::Accepted) {
        record = dialog.Result();
        SetBackground(record.background);
    }
    setFocus();
}

void MultibarPanel::Paint(QPainter& painter) {
    Panel::Paint(painter);
    const std::vector<const Parameter*> entries = Entries(record.pids);
    const MultibarLayout layout =
        MultibarLayout::For({0, 0, width(), height()}, entries.size(), record);
    painter.setPen(ToQColor(host.PanelTextColor()));
    painter.setFont(RowFont(layout.rowHeight));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Parameter& parameter = *entries[i];
        const double value = ValueOf(parameter);
        DrawCell(painter, layout.Cell(layout.nameRow, i), parameter.abbreviation);
        DrawCell(painter, layout.Cell(layout.valueRow, i),
                 GaugeText::FormatValue(parameter.format, value));
        DrawCell(painter, layout.Cell(layout.unitRow, i), parameter.unit);
        const auto bar = MultibarLayout::BarFor(layout.Cell(layout.barArea, i), parameter, value);
        if (bar) {
            painter.fillRect(ToQRect(bar->fill), ToQColor(EntryColors::Light(i)));
            painter.fillRect(ToQRect(bar->foot), ToQColor(EntryColors::Dark(i)));
            painter.fillRect(ToQRect(bar->top), ToQColor(EntryColors::Dark(i)));
        }
    }
}

void MultibarPanel::DrawCell(QPainter& painter, const PanelRect& cell,
                             const std::string& text) const {
    if (!cell.IsEmpty()) {
        painter.drawText(ToQRect(cell), ToQt(record.alignment) | Qt::AlignVCenter,
                         QString::fromLatin1(text.c_str()));
    }
}

}  // namespace rovik
