#include "ui/panels/OdometerDialog.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "core/trip/TripHistory.h"
#include "ui/app/FilePath.h"

namespace rovik {

OdometerDialog::OdometerDialog(const OdometerRecord& odometer, QWidget* parent)
    : ReadoutDialog(tr("Odometer Properties"), odometer, parent),
      odometer(odometer),
      tripFilePath(odometer.tripFilePath),
      distanceBox(AddCheckBox(tr("Show &Distance"), odometer.showDistance)),
      fuelUsedBox(AddCheckBox(tr("Show Fuel &Used"), odometer.showFuelUsed)),
      runTimeBox(AddCheckBox(tr("Show Run T&ime"), odometer.showRunTime)),
      mpgBox(AddCheckBox(tr("Show &MPG"), odometer.showMpg)),
      averageSpeedBox(AddCheckBox(tr("Show &Average Speed"), odometer.showAverageSpeed)),
      lockedBox(AddCheckBox(tr("Loc&ked"), odometer.locked)) {
    connect(AddButton(tr("Reset &Trip")), &QPushButton::clicked, this,
            [this] { CloseFor(TripAction::Reset); });
    connect(AddButton(tr("Start From Day &One")), &QPushButton::clicked, this,
            [this] { CloseFor(TripAction::FromDayOne); });
    connect(AddButton(tr("Change Data &File...")), &QPushButton::clicked, this,
            &OdometerDialog::ChangeDataFile);
    connect(AddButton(tr("View &History")), &QPushButton::clicked, this,
            &OdometerDialog::ViewHistory);
}

OdometerRecord OdometerDialog::Result() const {
    if (result() != Accepted) {
        return odometer;
    }
    OdometerRecord chosen = odometer;
    ApplyChoices(chosen);
    chosen.showDistance = distanceBox->isChecked();
    chosen.showFuelUsed = fuelUsedBox->isChecked();
    chosen.showRunTime = runTimeBox->isChecked();
    chosen.showMpg = mpgBox->isChecked();
    chosen.showAverageSpeed = averageSpeedBox->isChecked();
    chosen.locked = lockedBox->isChecked();
    chosen.tripFilePath = tripFilePath;
    return chosen;
}

bool OdometerDialog::Unlocked() {
    if (!lockedBox->isChecked()) {
        return true;
    }
    QMessageBox::warning(this, tr("Odometer Error"), tr("Odometer is Locked"));
    return false;
}

void OdometerDialog::CloseFor(TripAction chosen) {
    if (Unlocked()) {
        action = chosen;
        accept();
    }
}

void OdometerDialog::ChangeDataFile() {
    if (!Unlocked()) {
        return;
    }
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("Change Data File"), FromPath(tripFilePath), tr("TRP Files (*.trp)"));
    if (chosen.isEmpty()) {
        return;
    }
    // The screen file keeps no longer a path; a cut one would name some other file.
    if (ToPath(chosen).size() > OdometerRecord::kMaxPathLength) {
        QMessageBox::warning(this, tr("Odometer Error"),
                             tr("The path of this trip file is longer than %1 characters. "
                                "Move the file to a folder with a shorter path.")
                                 .arg(OdometerRecord::kMaxPathLength));
        return;
    }
    tripFilePath = ToPath(chosen);
}

void OdometerDialog::ViewHistory() {
    const QFileInfo history(FromPath(TripHistory::PathFor(tripFilePath)));
    if (!history.isFile()) {
        QMessageBox::warning(
            this, tr("Odometer Error"),
            tr("There is no trip history file %1.").arg(history.absoluteFilePath()));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(history.absoluteFilePath()))) {
        QMessageBox::warning(
            this, tr("Odometer Error"),
            tr("No program could be started to show %1.").arg(history.absoluteFilePath()));
    }
}

}  // namespace rovik
