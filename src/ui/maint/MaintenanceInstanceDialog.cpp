#include "ui/maint/MaintenanceInstanceDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/maint/ItemProperties.h"
#include "ui/maint/DateFields.h"
#include "ui/maint/RangeCheck.h"

namespace rovik {

MaintenanceInstanceDialog::MaintenanceInstanceDialog(double odometerMiles, Moment datePerformed,
                                                     QWidget* parent)
    : QDialog(parent),
      enteredOdometer(odometerMiles),
      enteredPerformed(datePerformed),
      odometer(new QLineEdit(QString::number(odometerMiles, 'f', 1))),
      performed(MakeDateEdit(datePerformed)) {
    setWindowTitle(tr("Maintenance Instance"));
    auto* form = new QFormLayout;
    auto* odometerLabel = new QLabel(tr("&Odometer:"));
    odometerLabel->setBuddy(odometer);
    auto* performedLabel = new QLabel(tr("&Date Performed:"));
    performedLabel->setBuddy(performed);
    form->addRow(odometerLabel, odometer);
    form->addRow(performedLabel, performed);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &MaintenanceInstanceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    odometer->setFocus();
}

void MaintenanceInstanceDialog::accept() {
    double miles = 0.0;
    if (!RangeCheck(this).Number(odometer, 0.0, ItemProperties::kLargestOdometer, miles)) {
        return;
    }
    enteredOdometer = miles;
    enteredPerformed = NoonOf(performed->date(), enteredPerformed);
    QDialog::accept();
}

}  // namespace rovik
