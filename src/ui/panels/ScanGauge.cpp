#include "ui/panels/ScanGauge.h"

#include "core/app/Screen.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/ScanGaugeDialog.h"

namespace rovik {

ScanGauge::ScanGauge(PanelHost& host, const ScanGaugeRecord& record, bool fromFile)
    : SimpleGauge(host, std::make_unique<ScanGaugeRecord>(record), fromFile) {}

void ScanGauge::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(WithCommonFields(Scan()));
}

void ScanGauge::Tick() {
    if (cycle.Tick(Scan())) {
        update();
    } else {
        SimpleGauge::Tick();
    }
}

void ScanGauge::ShowProperties() {
    ScanGaugeDialog dialog(host.Parameters(), WithCommonFields(Scan()), this);
    if (dialog.exec() == QDialog::Accepted) {
        const ScanGaugeRecord chosen = dialog.Result();
        Scan().dwell = chosen.dwell;
        Scan().scanList = chosen.scanList;
        Apply(chosen);
    }
    setFocus();
}

}  // namespace rovik
