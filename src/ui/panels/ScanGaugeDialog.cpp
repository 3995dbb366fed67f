#include "ui/panels/ScanGaugeDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <algorithm>

#include "core/panels/DwellSlider.h"

namespace rovik {

ScanGaugeDialog::ScanGaugeDialog(const ParameterTable& parameters, const ScanGaugeRecord& gauge,
                                 QWidget* parent)
    : GaugePropertiesDialog(parameters, gauge, QAbstractItemView::MultiSelection, parent),
      gauge(gauge),
      scanList(gauge.scanList) {
    setWindowTitle(tr("Scan Gauge Properties"));
    QGroupBox* speed = MakeSpeedGroup();
    AddSection(speed, {dwellSlider});
    SelectScannedParameters();
    // Rebuilt only when the user changes the selection, so opening and pressing OK keeps
    // the list as it was, PIDs the table lacks included.
    connect(&ParameterList(), &QListWidget::itemSelectionChanged, this,
            [this] { scanList = SelectedPids(); });
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

void ScanGaugeDialog::SelectScannedParameters() {
    QListWidget& list = ParameterList();
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < list.count(); ++row) {
        QListWidgetItem* entry = list.item(row);
        std::optional<std::uint16_t> pid = PidOf(*entry);
        if (pid && std::find(scanList.begin(), scanList.end(), *pid) != scanList.end()) {
            entry->setSelected(true);
            first = first != nullptr ? first : entry;
        }
    }
    if (first != nullptr) {
        list.setCurrentItem(first, QItemSelectionModel::NoUpdate);
        list.scrollToItem(first, QAbstractItemView::PositionAtCenter);
    }
}

ScanGaugeRecord ScanGaugeDialog::Result() const {
    if (result() != QDialog::Accepted) {
        return gauge;
    }
    ScanGaugeRecord chosen = gauge;
    ApplyChoices(chosen);
    chosen.SetScanList(scanList);
    chosen.dwell = DwellSlider::DwellAt(dwellSlider->value());
    return chosen;
}

}  // namespace rovik
