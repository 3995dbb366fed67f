#include "ui/panels/TireGaugeDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "ui/panels/ColorChooser.h"

namespace rovik {

TireGaugeDialog::TireGaugeDialog(const TireGaugeRecord& record, QWidget* parent)
    : QDialog(parent),
      gauge(record),
      iconBox(new QCheckBox("Show Tire &Icon", this)),
      pressureBox(new QCheckBox("Show Tire &Pressure", this)),
      colorChooser(new ColorChooser(record.background, "Change &Color", this)) {
    setWindowTitle("Tire Gauge Settings");
    iconBox->setChecked(record.showIcon);
    pressureBox->setChecked(record.showPressure);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(iconBox);
    layout->addWidget(pressureBox);
    layout->addWidget(colorChooser);
    layout->addWidget(buttons);
}

TireGaugeRecord TireGaugeDialog::Result() const {
    TireGaugeRecord chosen = gauge;
    if (result() == Accepted) {
        chosen.showIcon = iconBox->isChecked();
        chosen.showPressure = pressureBox->isChecked();
        chosen.background = colorChooser->Color();
    }
    return chosen;
}

}  // namespace rovik
