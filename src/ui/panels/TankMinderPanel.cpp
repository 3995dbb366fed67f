#include "ui/panels/TankMinderPanel.h"

#include <QMouseEvent>

#include "core/app/Screen.h"
#include "core/params/ParameterTable.h"
#include "core/trip/LocalClock.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/TankMinderDialog.h"

namespace rovik {

TankMinderPanel::TankMinderPanel(PanelHost& host, const TankMinderRecord& tankRecord, bool fromFile)
    : ReadoutPanel(host, tankRecord, fromFile), record(tankRecord) {
    if (fromFile) {
        tank.Open(tankRecord.tankFilePath, CurrentTotals());
    } else {
        tank.StartNew(LocalClock::Now(), CurrentTotals());
    }
    record.tankFilePath = tank.Path();
    shown = tank.Read(CurrentTotals(), record.tankSize, RecentMpg(), record.useRecentMpg);
}

void TankMinderPanel::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(WithCommonFields(record));
}

std::vector<ReadoutText::Field> TankMinderPanel::Fields() const {
    return ReadoutText::ForTankMinder(record, shown);
}

double TankMinderPanel::RecentMpg() const {
    const ValueLookup* values = host.Values();
    if (!values || !host.Parameters().IsDefined(kRecentMpgPid)) {
        return 0.0;
    }
    return host.Parameters().FindByPid(kRecentMpgPid)->Value(*values);
}

void TankMinderPanel::Tick() {
    tank.AdoptFirstTotals(CurrentTotals());
    const TankReading now =
        tank.Read(CurrentTotals(), record.tankSize, RecentMpg(), record.useRecentMpg);
    if (now != shown) {
        shown = now;
        update();
    }
}

void TankMinderPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        tank.Fill(CurrentTotals());
        shown = FuelTank::JustFilled(record.tankSize, RecentMpg(), record.useRecentMpg);
        update();
    }
    ReadoutPanel::mouseDoubleClickEvent(event);
}

void TankMinderPanel::ShowProperties() {
    TankMinderDialog dialog(WithCommonFields(record),
                            tank.Remaining(CurrentTotals(), record.tankSize), this);
    if (dialog.exec() == QDialog::Accepted) {
        Apply(dialog);
    }
    setFocus();
}

void TankMinderPanel::Apply(const TankMinderDialog& dialog) {
    const PanelRect place = CommonRecord().rect;
    record = dialog.Result();
    record.rect = place;
    tank.SetLevel(dialog.Level(), record.tankSize, CurrentTotals());
    if (dialog.FillRequested()) {
        tank.Fill(CurrentTotals());
    }
    shown = tank.Read(CurrentTotals(), record.tankSize, RecentMpg(), record.useRecentMpg);
    SetBackground(record.background);
}

}  // namespace rovik
