#include "ui/panels/TireGaugePanel.h"

#include <QPainter>
#include <QStringList>

#include "core/app/Screen.h"
#include "core/tires/TireLayoutFile.h"
#include "core/tires/TireMonitor.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/PanelPainting.h"
#include "ui/panels/QtColor.h"
#include "ui/panels/TireGaugeDialog.h"

namespace rovik {

namespace {
// Before the first tick nothing has been painted: no pressure reads -1, no state 254.
constexpr float kNothingShown = -1.0f;
constexpr std::uint8_t kNoStateShown = 254;

QColor StatusColor(std::uint8_t status) {
    switch (status) {
        case TireSensor::kOk:
            return ToQColor(kGaugeGreen);
        case TireSensor::kCaution:
            return ToQColor(kYellow);
        case TireSensor::kAlarm:
            return ToQColor(kRed);
        case TireSensor::kNoSensorReport:
            return QColor(128, 128, 128);
        case TireSensor::kNoSensorAssigned:
            return Qt::white;
        default:
            return Qt::black;
    }
}
}  // namespace

TireGaugePanel::TireGaugePanel(PanelHost& host, const TireGaugeRecord& gauge, bool fromFile)
    : Panel(host, gauge, fromFile), record(gauge) {
    shownPressures.fill(kNothingShown);
    shownStatuses.fill(kNoStateShown);
    setAccessibleName("Tire Gauge");
    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, &TireGaugePanel::Tick);
    timer.start();
}

void TireGaugePanel::WriteRecord(Screen& screen) const {
    TireGaugeRecord current = record;
    static_cast<PanelRecord&>(current) = CommonRecord();
    screen.panels.emplace_back(current);
}

void TireGaugePanel::ShowProperties() {
    TireGaugeDialog dialog(record, this);
    if (dialog.exec() == QDialog::Accepted) {
        record = dialog.Result();
        SetBackground(record.background);
    }
    setFocus();
}

TireSensor TireGaugePanel::SensorAt(std::size_t position) const {
    const TireMonitor* tires = host.Tires();
    return tires ? tires->Sensor(layout.sensors[position]) : TireSensor();
}

void TireGaugePanel::Tick() {
    bool changed = false;
    for (std::size_t position = 0; position < TireLayout::kPositions; ++position) {
        if (layout.sensors[position] == TireLayout::kNone) {
            continue;
        }
        const TireSensor sensor = SensorAt(position);
        changed |=
            sensor.status != shownStatuses[position] || sensor.pressure != shownPressures[position];
        shownStatuses[position] = sensor.status;
        shownPressures[position] = sensor.pressure;
    }
    if (changed) {
        update();
    }
}

// No file means no sensors on one row; a file naming none keeps the rows drawn before.
void TireGaugePanel::ReadLayout() {
    const std::optional<TireLayout> read = TireLayoutFile::Read(TireLayoutFile::kFileName);
    layout = read.value_or(TireLayout());
    if (!read) {
        rows = 1;
    } else if (layout.AxlesUsed() > 0) {
        rows = layout.AxlesUsed();
    }
}

QString TireGaugePanel::Reading() const {
    QStringList readings;
    for (std::size_t position = 0; position < TireLayout::kPositions; ++position) {
        if (const std::uint8_t number = layout.sensors[position]; number != TireLayout::kNone) {
            readings << QString::asprintf("Sensor %d, %.0f PSI", number,
                                          static_cast<double>(SensorAt(position).pressure));
        }
    }
    return readings.isEmpty() ? Panel::Reading() : readings.join("; ");
}

void TireGaugePanel::Paint(QPainter& painter) {
    Panel::Paint(painter);
    ReadLayout();
    const int width = this->width() / static_cast<int>(TireLayout::kWheels);
    const int height = this->height() / static_cast<int>(rows);
    for (std::size_t position = 0; position < TireLayout::kPositions; ++position) {
        const int axle = static_cast<int>(position / TireLayout::kWheels);
        const int wheel = static_cast<int>(position % TireLayout::kWheels);
        if (layout.sensors[position] != TireLayout::kNone) {
            PaintPosition(painter, position, QRect(wheel * width, axle * height, width, height));
        }
    }
}

// The icon is a square in the cell's corner beside the pressure, or in its middle alone; the
// pressure takes what the icon leaves.
void TireGaugePanel::PaintPosition(QPainter& painter, std::size_t position, const QRect& cell) {
    const TireSensor sensor = SensorAt(position);
    const int side = std::min(cell.width(), cell.height());
    QRect icon(0, 0, side, side);
    icon.moveTopLeft(cell.topLeft());
    if (!record.showPressure) {
        icon.moveCenter(cell.center());
    }
    if (record.showIcon) {
        painter.setPen(Qt::black);
        painter.setBrush(StatusColor(sensor.status));
        painter.drawEllipse(icon.adjusted(0, 0, -1, -1));
    }
    if (record.showPressure) {
        const QRect text = record.showIcon ? cell.adjusted(side, 0, 0, 0) : cell;
        const QString pressure = QString::asprintf("%.0f", static_cast<double>(sensor.pressure));
        painter.setPen(ToQColor(host.PanelTextColor()));
        painter.setFont(FittedFont(text, pressure, text.height()));
        painter.drawText(text, Qt::AlignCenter, pressure);
    }
}

}  // namespace rovik
