#pragma once

#include <QDialog>

#include "core/maint/LocalDate.h"

class QDateEdit;
class QLineEdit;

namespace rovik {

// "Maintenance Instance": the odometer reading and the date of one maintenance performed.
// OK refuses an odometer reading out of range and stays open on it.
class MaintenanceInstanceDialog : public QDialog {
    Q_OBJECT
public:
    MaintenanceInstanceDialog(double odometer, Moment performed, QWidget* parent = nullptr);

    // What was entered; complete once the dialog has been accepted. The date stands for
    // noon of that day.
    double Odometer() const { return enteredOdometer; }
    Moment Performed() const { return enteredPerformed; }

    void accept() override;

private:
    double enteredOdometer;
    Moment enteredPerformed;
    QLineEdit* odometer;
    QDateEdit* performed;
};

}  // namespace rovik
