#include "ui/panels/ClockPanel.h"

#include "core/app/Screen.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/PanelPainting.h"
#include "ui/panels/QtColor.h"

namespace rovik {

namespace {
constexpr int kRefreshMs = 1000;
}  // namespace

ClockPanel::ClockPanel(PanelHost& host, const ClockRecord& record, bool fromFile, Clock now)
    : Panel(host, record, fromFile), clock(std::move(now)) {
    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, &ClockPanel::Tick);
    timer.start();
}

void ClockPanel::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(WithCommonFields(ClockRecord()));
}

void ClockPanel::Tick() {
    if (face.MinuteChanged(clock())) {
        update();
    }
}

QString ClockPanel::Reading() const {
    return shown.isEmpty() ? Panel::Reading() : shown;
}

void ClockPanel::Paint(QPainter& painter) {
    Panel::Paint(painter);
    shown = QString::fromStdString(face.Show(clock()));
    painter.setPen(ToQColor(host.PanelTextColor()));
    DrawPanelLine(painter, rect(), shown, TextAlignment::Centre);
}

}  // namespace rovik
