#include "ui/maint/ItemPropertiesDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/maint/DateFields.h"
#include "ui/maint/RangeCheck.h"

namespace rovik {

namespace {
QLineEdit* MakeField(const QString& text, int width = 90) {
    auto* field = new QLineEdit(text);
    field->setMaximumWidth(width);
    return field;
}

QString Miles(double miles) {
    return QString::number(miles, 'f', 1);
}

// A label naming the field, so the field's accessible name is its label.
QLabel* LabelFor(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    return label;
}
}  // namespace

ItemPropertiesDialog::ItemPropertiesDialog(const ItemProperties& properties, QWidget* parent)
    : QDialog(parent),
      entered(properties),
      description(new QLineEdit(QString::fromLatin1(properties.description.c_str()))),
      timeAndMileage(new QRadioButton(tr("Time and &Mileage"))),
      timeOnly(new QRadioButton(tr("Time &Only"))),
      months(MakeField(QString::number(properties.months), 60)),
      miles(MakeField(Miles(properties.miles))),
      timeOnlyMonths(MakeField(QString::number(properties.timeOnlyMonths), 60)),
      note(MakeField(QString::fromLatin1(properties.note.c_str()), 140)),
      lastDate(MakeDateEdit(properties.lastPerformed)),
      lastMiles(MakeField(Miles(properties.lastMiles))) {
    setWindowTitle(tr("Maintenance Item Properties"));
    description->setMaxLength(ItemProperties::kLongestDescription);
    note->setMaxLength(ItemProperties::kLongestNote);
    (properties.timeOnly ? timeOnly : timeAndMileage)->setChecked(true);
    connect(timeAndMileage, &QRadioButton::toggled, this,
            &ItemPropertiesDialog::EnableChosenFields);
    EnableChosenFields();

    auto* form = new QFormLayout;
    form->addRow(LabelFor(tr("&Description:"), description), description);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ItemPropertiesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(MakeIntervalGrid());
    layout->addWidget(MakeLastPerformed());
    layout->addWidget(buttons);
    description->setFocus();
}

QLayout* ItemPropertiesDialog::MakeIntervalGrid() {
    auto* grid = new QGridLayout;
    grid->addWidget(timeAndMileage, 0, 0);
    grid->addWidget(LabelFor(tr("Mo&nths:"), months), 0, 1);
    grid->addWidget(months, 0, 2);
    grid->addWidget(LabelFor(tr("M&iles:"), miles), 0, 3);
    grid->addWidget(miles, 0, 4);
    grid->addWidget(timeOnly, 1, 0);
    grid->addWidget(LabelFor(tr("Mont&hs:"), timeOnlyMonths), 1, 1);
    grid->addWidget(timeOnlyMonths, 1, 2);
    grid->addWidget(LabelFor(tr("No&te:"), note), 1, 3);
    grid->addWidget(note, 1, 4);
    return grid;
}

QWidget* ItemPropertiesDialog::MakeLastPerformed() {
    auto* group = new QGroupBox(tr("Last Performed"));
    auto* form = new QFormLayout(group);
    form->addRow(LabelFor(tr("D&ate:"), lastDate), lastDate);
    form->addRow(LabelFor(tr("Mil&es:"), lastMiles), lastMiles);
    return group;
}

void ItemPropertiesDialog::EnableChosenFields() {
    const bool byMileage = timeAndMileage->isChecked();
    months->setEnabled(byMileage);
    miles->setEnabled(byMileage);
    timeOnlyMonths->setEnabled(!byMileage);
    note->setEnabled(!byMileage);
}

void ItemPropertiesDialog::accept() {
    ItemProperties typed = entered;
    typed.timeOnly = timeOnly->isChecked();
    const RangeCheck check(this);
    const bool valid =
        typed.timeOnly
            ? check.Integer(timeOnlyMonths, 0, ItemProperties::kMostMonths, typed.timeOnlyMonths)
            : check.Integer(months, 0, ItemProperties::kMostMonths, typed.months) &&
                  check.Number(miles, 0.0, ItemProperties::kMostMiles, typed.miles);
    if (!valid ||
        !check.Number(lastMiles, 0.0, ItemProperties::kLargestOdometer, typed.lastMiles)) {
        return;
    }
    typed.description = description->text().toLatin1().toStdString();
    typed.note = note->text().toLatin1().toStdString();
    typed.lastPerformed = NoonOf(lastDate->date(), typed.lastPerformed);
    entered = typed;
    QDialog::accept();
}

}  // namespace rovik
