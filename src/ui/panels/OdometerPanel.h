#pragma once

#include "core/panels/OdometerRecord.h"
#include "core/trip/TripOdometer.h"
#include "ui/panels/ReadoutPanel.h"

namespace rovik {

class OdometerDialog;

// A trip odometer: the distance, fuel, engine time, average speed and economy since the
// trip began. A double-click ends the trip (unless the odometer is locked): the trip joins
// the history file and a new one starts.
class OdometerPanel : public ReadoutPanel {
    Q_OBJECT
public:
    // A new odometer starts a trip in a new trip file; one from a screen file goes on with
    // the trip its file holds.
    OdometerPanel(PanelHost& host, const OdometerRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    void ShowProperties() override;
    std::vector<ReadoutText::Field> Fields() const override;
    const TripOdometer& Trip() const { return trip; }

protected:
    const ReadoutRecord& Look() const override { return odometer; }
    void Tick() override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Takes the dialog's choices; shownBefore is the trip as it stood when the dialog opened.
    void Apply(const OdometerDialog& dialog, const TripValues& shownBefore);

    OdometerRecord odometer;
    TripOdometer trip;
    TripValues shown;
};

}  // namespace rovik
