#pragma once

#include <QDialog>

#include "core/maint/ItemProperties.h"

class QDateEdit;
class QLineEdit;
class QRadioButton;

namespace rovik {

// "Maintenance Item Properties": the description, time and mileage or time only with the
// months and miles or note of each, and when the item was last performed. OK refuses a
// value out of its range and stays open on it.
class ItemPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    explicit ItemPropertiesDialog(const ItemProperties& properties, QWidget* parent = nullptr);

    // What was entered; complete once the dialog has been accepted.
    const ItemProperties& Result() const { return entered; }

    void accept() override;

private:
    QLayout* MakeIntervalGrid();
    QWidget* MakeLastPerformed();
    void EnableChosenFields();

    ItemProperties entered;
    QLineEdit* description;
    QRadioButton* timeAndMileage;
    QRadioButton* timeOnly;
    QLineEdit* months;
    QLineEdit* miles;
    QLineEdit* timeOnlyMonths;
    QLineEdit* note;
    QDateEdit* lastDate;
    QLineEdit* lastMiles;
};

}  // namespace rovik
