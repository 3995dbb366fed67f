#pragma once

#include <string>

#include "core/panels/OdometerRecord.h"
#include "ui/panels/ReadoutDialog.h"

namespace rovik {

// "Odometer Properties": what the trip odometer shows and how, whether it is locked, which
// trip file it counts from, and the buttons that end the trip, count from the vehicle's
// first day or show the trip history.
class OdometerDialog : public ReadoutDialog {
    Q_OBJECT
public:
    // What OK asks of the trip besides the settings.
    enum class TripAction { Keep, Reset, FromDayOne };

    OdometerDialog(const OdometerRecord& odometer, QWidget* parent = nullptr);

    // The odometer with the user's choices, its trip file included, once OK was pressed;
    // the odometer as given otherwise.
    OdometerRecord Result() const;
    TripAction Action() const { return result() == Accepted ? action : TripAction::Keep; }

private:
    // False, with the message, when the Locked box is ticked.
    bool Unlocked();
    void CloseFor(TripAction chosen);
    void ChangeDataFile();
    void ViewHistory();

    OdometerRecord odometer;
    std::string tripFilePath;
    TripAction action = TripAction::Keep;
    QCheckBox* distanceBox;
    QCheckBox* fuelUsedBox;
    QCheckBox* runTimeBox;
    QCheckBox* mpgBox;
    QCheckBox* averageSpeedBox;
    QCheckBox* lockedBox;
};

}  // namespace rovik
