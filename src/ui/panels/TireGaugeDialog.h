#pragma once

#include <QDialog>

#include "core/panels/TireGaugeRecord.h"

class QCheckBox;

namespace rovik {

class ColorChooser;

// "Tire Gauge Settings": whether the tire gauge draws its icons and its pressures, and its
// background colour.
class TireGaugeDialog : public QDialog {
    Q_OBJECT
public:
    explicit TireGaugeDialog(const TireGaugeRecord& gauge, QWidget* parent = nullptr);

    // The gauge with the user's choices once OK was pressed; the gauge as given otherwise.
    TireGaugeRecord Result() const;

private:
    TireGaugeRecord gauge;
    QCheckBox* iconBox;
    QCheckBox* pressureBox;
    ColorChooser* colorChooser;
};

}  // namespace rovik
