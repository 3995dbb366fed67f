#pragma once

#include <QDialog>

#include "core/app/EngineCorrections.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace rovik {

// The Engine Corrections dialog: shows the vehicle's totals and edits the meters'
// corrections, the rolling fuel economy window, the odometer PID and the totals requests.
// OK refuses a value that is not a number or is out of its range, says why and keeps the
// dialog open on that field.
class EngineCorrectionsDialog : public QDialog {
    Q_OBJECT
public:
    // The vehicle's current totals, shown but not edited.
    struct Totals {
        double distance = 0.0;
        double hours = 0.0;
        double fuel = 0.0;
    };

    EngineCorrectionsDialog(const EngineCorrections& corrections, const Totals& totals,
                            QWidget* parent = nullptr);

    // What was entered; complete once the dialog has been accepted.
    const EngineCorrections& Result() const { return entered; }

    void accept() override;

private:
    struct MeterFields {
        QLineEdit* multiplier;
        QLineEdit* offset;
    };

    QGridLayout* MakeMeterGrid(const EngineCorrections& corrections, const Totals& totals);
    MeterFields AddMeter(QGridLayout* grid, int column, const QString& name, double total,
                         const EngineCorrections::Correction& correction);
    bool ReadMeter(const MeterFields& fields, EngineCorrections::Correction& correction);
    bool ReadNumber(QLineEdit* field, float& value);
    bool ReadInteger(QLineEdit* field, long low, long high, long& value);
    bool Refuse(QLineEdit* field, const QString& why);

    EngineCorrections entered;
    MeterFields odometer{};
    MeterFields hourmeter{};
    MeterFields fuelmeter{};
    QLineEdit* bufferSize = nullptr;
    QLineEdit* odometerPid = nullptr;
    QCheckBox* requestFuelmeter = nullptr;
    QCheckBox* requestOdometer = nullptr;
};

}  // namespace rovik
