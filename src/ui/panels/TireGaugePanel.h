#pragma once

#include <QTimer>
#include <array>

#include "core/panels/TireGaugeRecord.h"
#include "core/tires/TireLayout.h"
#include "core/tires/TireSensor.h"
#include "ui/panels/Panel.h"

namespace rovik {

class TireMonitor;

// A tire gauge: each wheel position of TIRES.DAT that has a sensor, an axle a row, as an icon
// in the colour of the sensor's state and its pressure. The layout is read again at every
// paint, so a layout saved from the Tire Status dialog shows at once; every 300 ms the
// gauge repaints when a state or pressure changed.
class TireGaugePanel : public Panel {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 300;

    TireGaugePanel(PanelHost& host, const TireGaugeRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    void ShowProperties() override;
    QString Reading() const override;

protected:
    void Paint(QPainter& painter) override;

private:
    void Tick();
    void ReadLayout();
    // What the sensor at a position shows now; a fresh sensor before the link exists.
    TireSensor SensorAt(std::size_t position) const;
    void PaintPosition(QPainter& painter, std::size_t position, const QRect& cell);

    TireGaugeRecord record;
    TireLayout layout;
    std::size_t rows = 1;
    std::array<float, TireLayout::kPositions> shownPressures;
    std::array<std::uint8_t, TireLayout::kPositions> shownStatuses;
    QTimer timer;
};

}  // namespace rovik
