#include "ui/panels/OdometerPanel.h"

#include <QMouseEvent>

#include "core/app/Screen.h"
#include "core/trip/LocalClock.h"
#include "ui/panels/OdometerDialog.h"

namespace rovik {

OdometerPanel::OdometerPanel(PanelHost& host, const OdometerRecord& record, bool fromFile)
    : ReadoutPanel(host, record, fromFile), odometer(record) {
    if (fromFile) {
        trip.Open(record.tripFilePath, CurrentTotals());
    } else {
        trip.StartNew(LocalClock::Now(), CurrentTotals());
    }
    odometer.tripFilePath = trip.Path();
    shown = trip.Values(CurrentTotals());
}

void OdometerPanel::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(WithCommonFields(odometer));
}

std::vector<ReadoutText::Field> OdometerPanel::Fields() const {
    return ReadoutText::ForOdometer(odometer, shown);
}

void OdometerPanel::Tick() {
    trip.AdoptFirstTotals(CurrentTotals());
    const TripValues now = trip.Values(CurrentTotals());
    if (now != shown) {
        shown = now;
        update();
    }
}

void OdometerPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !odometer.locked) {
        trip.Finish(CurrentTotals(), LocalClock::Now());
        shown = TripValues();
        update();
    }
    ReadoutPanel::mouseDoubleClickEvent(event);
}

void OdometerPanel::ShowProperties() {
    const TripValues shownBefore = shown;
    OdometerDialog dialog(WithCommonFields(odometer), this);
    if (dialog.exec() == QDialog::Accepted) {
        Apply(dialog, shownBefore);
    }
    setFocus();
}

void OdometerPanel::Apply(const OdometerDialog& dialog, const TripValues& shownBefore) {
    const OdometerRecord chosen = dialog.Result();
    const PanelRect place = CommonRecord().rect;
    // The trip that was shown is the one that ends, in its own history file.
    if (dialog.Action() == OdometerDialog::TripAction::Reset) {
        trip.AddToHistory(shownBefore, LocalClock::Now());
    }
    if (chosen.tripFilePath != trip.Path()) {
        trip.Open(chosen.tripFilePath, CurrentTotals());
    }
    if (dialog.Action() == OdometerDialog::TripAction::Reset) {
        trip.Restart(CurrentTotals());
    } else if (dialog.Action() == OdometerDialog::TripAction::FromDayOne) {
        trip.Restart(Totals());
    }
    odometer = chosen;
    odometer.rect = place;
    shown = trip.Values(CurrentTotals());
    SetBackground(chosen.background);
}

}  // namespace rovik
