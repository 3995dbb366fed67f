#pragma once

#include <QTimer>
#include <ctime>
#include <functional>

#include "core/panels/ClockFace.h"
#include "core/panels/ClockRecord.h"
#include "core/trip/LocalClock.h"
#include "ui/panels/Panel.h"

namespace rovik {

// The local time, hours and minutes, as tall as the panel. It looks at the time every
// second and repaints when the minute has changed. A right-click recolours it.
class ClockPanel : public Panel {
    Q_OBJECT
public:
    using Clock = std::function<std::tm()>;

    ClockPanel(PanelHost& host, const ClockRecord& record, bool fromFile,
               Clock clock = LocalClock::Now);

    void WriteRecord(Screen& screen) const override;
    QString Reading() const override;

protected:
    void Paint(QPainter& painter) override;

private:
    void Tick();

    Clock clock;
    ClockFace face;
    QString shown;
    QTimer timer;
};

}  // namespace rovik
