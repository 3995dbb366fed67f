#pragma once

#include "core/panels/ScanCycle.h"
#include "core/panels/ScanGaugeRecord.h"
#include "ui/panels/SimpleGauge.h"

namespace rovik {

// A simple gauge that shows the parameters of its list in turn, each for its dwell time.
class ScanGauge : public SimpleGauge {
    Q_OBJECT
public:
    ScanGauge(PanelHost& host, const ScanGaugeRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    void ShowProperties() override;

protected:
    void Tick() override;

private:
    ScanGaugeRecord& Scan() const { return static_cast<ScanGaugeRecord&>(*gauge); }

    ScanCycle cycle;
};

}  // namespace rovik
