#include "ui/panels/ScanGaugeDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

#include "core/panels/DwellSlider.h"

namespace rovik {

ScanGaugeDialog::ScanGaugeDialog(const ParameterTable& parameters, const ScanGaugeRecord& gauge,
                                 QWidget* parent)
    : GaugePropertiesDialog(parameters, StyleOf(gauge), QAbstractItemView::MultiSelection, parent),
      gauge(gauge) {
    setWindowTitle(tr("Scan Gauge Properties"));
    QGroupBox* speed = MakeSpeedGroup();
    AddSection(speed, {dwellSlider});
    // The gauge scans alphabetically, whatever order the user clicked in.
    FollowSelection(gauge.scanList);
}

QGroupBox* ScanGaugeDialog::MakeSpeedGroup() {
    dwellSlider = new QSlider(Qt::Horizontal);
    dwellSlider->setRange(DwellSlider::kMinPosition, DwellSlider::kMaxPosition);
    dwellSlider->setPageStep(1);
    dwellSlider->setTickPosition(QSlider::TicksBelow);
    dwellSlider->setValue(DwellSlider::PositionFor(gauge.dwell));
    auto* group = new QGroupBox(tr("Scan &Speed"));
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(new QLabel(tr("Faster")));
    layout->addWidget(dwellSlider, 1);
    layout->addWidget(new QLabel(tr("Slower")));
    return group;
}

ScanGaugeRecord ScanGaugeDialog::Result() const {
    if (result() != QDialog::Accepted) {
        return gauge;
    }
    ScanGaugeRecord chosen = gauge;
    ApplyChoices(chosen);
    chosen.SetScanList(FollowedPids());
    chosen.dwell = DwellSlider::DwellAt(dwellSlider->value());
    return chosen;
}

}  // namespace rovik
