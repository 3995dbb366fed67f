#include "ui/panels/SimpleGauge.h"

#include <QPainter>

#include "core/app/Screen.h"
#include "core/panels/BarZones.h"
#include "core/panels/GaugeLayout.h"
#include "core/panels/GaugeText.h"
#include "core/panels/WarningLamp.h"
#include "core/params/ParameterTable.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/PanelPainting.h"
#include "ui/panels/QtColor.h"
#include "ui/panels/SimpleGaugeDialog.h"

namespace rovik {

namespace {
constexpr int kRefreshMs = 500;
}  // namespace

SimpleGauge::SimpleGauge(PanelHost& host, const SimpleGaugeRecord& record, bool fromFile)
    : SimpleGauge(host, std::make_unique<SimpleGaugeRecord>(record), fromFile) {}

SimpleGauge::SimpleGauge(PanelHost& host, std::unique_ptr<SimpleGaugeRecord> record, bool fromFile)
    : Panel(host, *record, fromFile), gauge(std::move(record)) {
    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, [this] { Tick(); });
    timer.start();
}

void SimpleGauge::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(WithCommonFields(*gauge));
}

const Parameter* SimpleGauge::LookUp() const {
    return host.Parameters().FindByPid(gauge->pid);
}

QString SimpleGauge::Reading() const {
    const Parameter* parameter = LookUp();
    if (!parameter) {
        return Panel::Reading();
    }
    return QString::fromLatin1(GaugeText::Reading(*parameter, ValueOf(*parameter)).c_str());
}

void SimpleGauge::Tick() {
    const Parameter* parameter = LookUp();
    if (parameter && static_cast<float>(ValueOf(*parameter)) != lastDrawnValue) {
        update();
    }
}

void SimpleGauge::ShowProperties() {
    SimpleGaugeDialog dialog(host.Parameters(), WithCommonFields(*gauge), this);
    if (dialog.exec() == QDialog::Accepted) {
        Apply(dialog.Result());
    }
    setFocus();
}

void SimpleGauge::Apply(const SimpleGaugeRecord& chosen) {
    const PanelRect place = CommonRecord().rect;
    static_cast<SimpleGaugeRecord&>(*gauge) = chosen;
    gauge->rect = place;
    SetBackground(chosen.background);
}

void SimpleGauge::Paint(QPainter& painter) {
    Panel::Paint(painter);
    painter.setPen(ToQColor(host.PanelTextColor()));
    const GaugeLayout layout = GaugeLayout::For({0, 0, width(), height()}, *gauge);
    const Parameter* parameter = LookUp();
    if (!parameter) {
        return;
    }
    const double value = ValueOf(*parameter);
    lastDrawnValue = static_cast<float>(value);
    if (gauge->showWarningLamp) {
        PaintLamp(painter, layout.lamp, value, *parameter);
    }
    if (gauge->showValue || gauge->showUnit) {
        PaintText(painter, layout.value, GaugeText::ValueRow(*gauge, *parameter, value), {});
    }
    if (gauge->showGaugeName) {
        PaintText(painter, layout.name, GaugeText::Caption(*gauge, *parameter), Qt::TextDontClip);
    }
    if (gauge->showGraph) {
        PaintGraph(painter, layout.graph, layout.bar, value, *parameter);
    }
}

void SimpleGauge::PaintLamp(QPainter& painter, const PanelRect& lamp, double value,
                            const Parameter& parameter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(ToQColor(WarningLamp::Color(value, parameter)));
    painter.drawEllipse(ToQRect(lamp).adjusted(1, 1, -1, -1));
    painter.restore();
}

void SimpleGauge::PaintText(QPainter& painter, const PanelRect& row, const std::string& text,
                            int flags) {
    const QString shown = QString::fromLatin1(text.c_str());
    // The line is the row's height; the letters a little less.
    painter.setFont(FittedFont(ToQRect(row), shown, row.Height() * 4 / 5));
    painter.drawText(ToQRect(row), ToQt(gauge->alignment) | Qt::AlignVCenter | flags, shown);
}

void SimpleGauge::PaintGraph(QPainter& painter, const PanelRect& graph, const PanelRect& bar,
                             double value, const Parameter& parameter) {
    painter.fillRect(ToQRect(graph), Qt::black);
    for (const BarSpan& span : BarZones::For(bar, parameter, value)) {
        painter.fillRect(ToQRect(span.rect), ToQColor(span.color));
    }
}

}  // namespace rovik
