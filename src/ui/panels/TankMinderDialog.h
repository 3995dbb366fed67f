#pragma once

#include "core/panels/TankMinderRecord.h"
#include "ui/panels/ReadoutDialog.h"

class QSpinBox;

namespace rovik {

// "Tank Minder Properties": what the tank minder shows and how, the tank's size, the fuel in
// it now, and Fill Tank.
class TankMinderDialog : public ReadoutDialog {
    Q_OBJECT
public:
    // The level is the fuel the tank minder counts in the tank now, in gallons.
    TankMinderDialog(const TankMinderRecord& tank, double level, QWidget* parent = nullptr);

    // The tank minder with the user's choices, its tank size as entered, once OK was
    // pressed; the tank minder as given otherwise.
    TankMinderRecord Result() const;
    // The level entered, in whole gallons.
    int Level() const;
    // Fill Tank closed the dialog.
    bool FillRequested() const { return result() == Accepted && fill; }

private:
    QSpinBox* GallonsBox(double gallons);

    TankMinderRecord tank;
    bool fill = false;
    QCheckBox* distanceBox;
    QCheckBox* fuelRemainingBox;
    QCheckBox* mpgBox;
    QCheckBox* recentMpgBox;
    QSpinBox* sizeBox;
    QSpinBox* levelBox;
};

}  // namespace rovik
