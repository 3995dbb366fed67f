#include "ui/panels/TankMinderDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

#include "core/trip/FuelTank.h"

namespace rovik {

TankMinderDialog::TankMinderDialog(const TankMinderRecord& tank, double level, QWidget* parent)
    : ReadoutDialog(tr("Tank Minder Properties"), tank, parent),
      tank(tank),
      distanceBox(AddCheckBox(tr("Show &Distance"), tank.showDistance)),
      fuelRemainingBox(AddCheckBox(tr("Show &Fuel Remaining"), tank.showFuelRemaining)),
      mpgBox(AddCheckBox(tr("Show &MPG"), tank.showMpg)),
      recentMpgBox(AddCheckBox(tr("Calculate &Using Recent MPG"), tank.useRecentMpg)),
      sizeBox(GallonsBox(tank.tankSize)),
      levelBox(GallonsBox(level)) {
    auto* fuel = new QGroupBox(tr("Fuel"));
    auto* form = new QFormLayout(fuel);
    form->addRow(tr("Tank &Size"), sizeBox);
    form->addRow(tr("Curren&t Level"), levelBox);
    AddSection(fuel, {sizeBox, levelBox});
    connect(AddButton(tr("Fill T&ank")), &QPushButton::clicked, this, [this] {
        fill = true;
        accept();
    });
}

QSpinBox* TankMinderDialog::GallonsBox(double gallons) {
    auto* box = new QSpinBox;
    box->setRange(0, FuelTank::kMostGallons);
    box->setSuffix(tr(" Gal."));
    box->setValue(FuelTank::WholeGallons(gallons));
    return box;
}

TankMinderRecord TankMinderDialog::Result() const {
    if (result() != Accepted) {
        return tank;
    }
    TankMinderRecord chosen = tank;
    ApplyChoices(chosen);
    chosen.showDistance = distanceBox->isChecked();
    chosen.showFuelRemaining = fuelRemainingBox->isChecked();
    chosen.showMpg = mpgBox->isChecked();
    chosen.useRecentMpg = recentMpgBox->isChecked();
    chosen.tankSize = sizeBox->value();
    return chosen;
}

int TankMinderDialog::Level() const {
    return levelBox->value();
}

}  // namespace rovik
