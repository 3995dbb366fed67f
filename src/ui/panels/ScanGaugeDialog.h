#pragma once

#include "core/panels/ScanGaugeRecord.h"
#include "ui/panels/GaugePropertiesDialog.h"

class QGroupBox;
class QSlider;

namespace rovik {

// "Scan Gauge Properties": the parameters the gauge cycles through, how long it shows each,
// and its colour, alignment and what it shows.
class ScanGaugeDialog : public GaugePropertiesDialog {
    Q_OBJECT
public:
    ScanGaugeDialog(const ParameterTable& parameters, const ScanGaugeRecord& gauge,
                    QWidget* parent = nullptr);

    // The gauge with the user's choices once OK was pressed; the gauge as given otherwise.
    // The PID on screen stays until the gauge next moves on.
    ScanGaugeRecord Result() const;

private:
    QGroupBox* MakeSpeedGroup();

    ScanGaugeRecord gauge;
    QSlider* dwellSlider = nullptr;
};

}  // namespace rovik
