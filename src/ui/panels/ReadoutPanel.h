#pragma once

#include <QTimer>
#include <vector>

#include "core/panels/ReadoutRecord.h"
#include "core/panels/ReadoutText.h"
#include "ui/panels/Panel.h"

namespace rovik {

struct Totals;

// A panel that shows a few numbers with their captions and units, side by side or one above
// the other, and checks every 500 ms whether they changed: the base of the trip odometer
// and the tank minder.
class ReadoutPanel : public Panel {
    Q_OBJECT
public:
    // What the panel shows now, in order.
    virtual std::vector<ReadoutText::Field> Fields() const = 0;
    // Each number with its caption and unit: "Distance 12.5 Miles, Fuel 2.0 Gallons".
    QString Reading() const override;

protected:
    ReadoutPanel(PanelHost& host, const PanelRecord& record, bool fromFile);

    virtual const ReadoutRecord& Look() const = 0;
    // Every 500 ms: recount, and repaint when what is shown changed.
    virtual void Tick() = 0;
    // The vehicle's totals as the host last refreshed them.
    const Totals& CurrentTotals() const;

    void Paint(QPainter& painter) override;

private:
    QTimer timer;
};

}  // namespace rovik
