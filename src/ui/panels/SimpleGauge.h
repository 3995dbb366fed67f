#pragma once

#include <QTimer>
#include <memory>

#include "core/panels/SimpleGaugeRecord.h"
#include "ui/panels/Panel.h"

namespace rovik {

class Parameter;

// One parameter's name, warning lamp, value with unit and coloured bar. It looks its
// parameter up on every use, since the table's entries change when it is edited or reloaded.
class SimpleGauge : public Panel {
    Q_OBJECT
public:
    SimpleGauge(PanelHost& host, const SimpleGaugeRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    void ShowProperties() override;
    QString Reading() const override;
    std::uint16_t Pid() const { return gauge->pid; }
    // The value the gauge painted last.
    float DrawnValue() const { return lastDrawnValue; }

protected:
    // For the scan gauge, which keeps a larger record.
    SimpleGauge(PanelHost& host, std::unique_ptr<SimpleGaugeRecord> record, bool fromFile);

    void Paint(QPainter& painter) override;
    // Every 500 ms: repaint when the value moved.
    virtual void Tick();
    const Parameter* LookUp() const;
    // Takes the dialog's choices, keeping the panel where it is.
    void Apply(const SimpleGaugeRecord& chosen);

    std::unique_ptr<SimpleGaugeRecord> gauge;

private:
    void PaintLamp(QPainter& painter, const PanelRect& lamp, double value,
                   const Parameter& parameter);
    void PaintText(QPainter& painter, const PanelRect& row, const std::string& text, int flags);
    void PaintGraph(QPainter& painter, const PanelRect& graph, const PanelRect& bar, double value,
                    const Parameter& parameter);

    QTimer timer;
    float lastDrawnValue = 0.0f;
};

}  // namespace rovik
