#include "ui/params/EngineCorrectionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>
#include <cmath>

#include "core/params/DerivedValues.h"

namespace rovik {

namespace {
constexpr long kSmallestWindow = 2;
constexpr long kFirstOdometerPid = 244;
constexpr long kLastOdometerPid = 245;

// Six significant digits: what a float holds, without the noise of its last bits.
QString Shown(float value) {
    return QString::number(value, 'g', 6);
}

QLineEdit* MakeField(const QString& text) {
    auto* field = new QLineEdit(text);
    field->setMaximumWidth(110);
    return field;
}

QLineEdit* MakeTotal(double total) {
    QLineEdit* field = MakeField(QString::number(total, 'f', 1));
    field->setReadOnly(true);
    // Shown for reading and copying, on the window's colour so it does not look editable;
    // Tab goes past it.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}
}  // namespace

EngineCorrectionsDialog::EngineCorrectionsDialog(const EngineCorrections& corrections,
                                                 const Totals& totals, QWidget* parent)
    : QDialog(parent), entered(corrections) {
    setWindowTitle(tr("Engine Corrections"));
    auto* meters = new QGroupBox(tr("Meters"));
    meters->setLayout(MakeMeterGrid(corrections, totals));

    bufferSize = MakeField(QString::number(corrections.rollingMpgBufferSize));
    odometerPid = MakeField(QString::number(corrections.odometerPid));
    requestFuelmeter = new QCheckBox(tr("Request F&uelmeter"));
    requestFuelmeter->setChecked(corrections.requestFuelmeter);
    requestOdometer = new QCheckBox(tr("Request O&dometer"));
    requestOdometer->setChecked(corrections.requestOdometer);
    auto* settings = new QFormLayout;
    settings->addRow(tr("&Rolling MPG Buffer Size:"), bufferSize);
    settings->addRow(tr("Odometer &PID:"), odometerPid);
    settings->addRow(requestFuelmeter);
    settings->addRow(requestOdometer);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &EngineCorrectionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(meters);
    layout->addLayout(settings);
    layout->addWidget(buttons);
    // Tab runs along the multipliers, then along the offsets, then down the settings.
    QWidget* const order[] = {odometer.multiplier, hourmeter.multiplier, fuelmeter.multiplier,
                              odometer.offset,     hourmeter.offset,     fuelmeter.offset,
                              bufferSize};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    odometer.multiplier->setFocus();
}

QGridLayout* EngineCorrectionsDialog::MakeMeterGrid(const EngineCorrections& corrections,
                                                    const Totals& totals) {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Current:")), 1, 0);
    auto* multiplierLabel = new QLabel(tr("&Multiplier:"));
    auto* offsetLabel = new QLabel(tr("O&ffset:"));
    grid->addWidget(multiplierLabel, 2, 0);
    grid->addWidget(offsetLabel, 3, 0);
    odometer = AddMeter(grid, 1, tr("Odometer"), totals.distance, corrections.odometer);
    hourmeter = AddMeter(grid, 2, tr("Hourmeter"), totals.hours, corrections.hourmeter);
    fuelmeter = AddMeter(grid, 3, tr("Fuelmeter"), totals.fuel, corrections.fuelmeter);
    multiplierLabel->setBuddy(odometer.multiplier);
    offsetLabel->setBuddy(odometer.offset);
    return grid;
}

EngineCorrectionsDialog::MeterFields EngineCorrectionsDialog::AddMeter(
    QGridLayout* grid, int column, const QString& name, double total,
    const EngineCorrections::Correction& correction) {
    grid->addWidget(new QLabel(name), 0, column, Qt::AlignHCenter);
    QLineEdit* current = MakeTotal(total);
    grid->addWidget(current, 1, column);
    MeterFields fields{MakeField(Shown(correction.multiplier)),
                       MakeField(Shown(correction.offset))};
    fields.multiplier->setObjectName(name + "Multiplier");
    fields.offset->setObjectName(name + "Offset");
    // A cell of the grid is named by its column and its row, as the eye reads it.
    current->setAccessibleName(name + " " + tr("Current"));
    fields.multiplier->setAccessibleName(name + " " + tr("Multiplier"));
    fields.offset->setAccessibleName(name + " " + tr("Offset"));
    grid->addWidget(fields.multiplier, 2, column);
    grid->addWidget(fields.offset, 3, column);
    return fields;
}

void EngineCorrectionsDialog::accept() {
    EngineCorrections typed = entered;
    long size = 0;
    long pid = 0;
    bool valid = ReadMeter(odometer, typed.odometer) && ReadMeter(hourmeter, typed.hourmeter) &&
                 ReadMeter(fuelmeter, typed.fuelmeter) &&
                 ReadInteger(bufferSize, kSmallestWindow, DerivedValues::kMaxRollingWindow, size) &&
                 ReadInteger(odometerPid, kFirstOdometerPid, kLastOdometerPid, pid);
    if (!valid) {
        return;
    }
    typed.rollingMpgBufferSize = static_cast<std::uint32_t>(size);
    typed.odometerPid = static_cast<std::uint8_t>(pid);
    typed.requestFuelmeter = requestFuelmeter->isChecked();
    typed.requestOdometer = requestOdometer->isChecked();
    entered = typed;
    QDialog::accept();
}

bool EngineCorrectionsDialog::ReadMeter(const MeterFields& fields,
                                        EngineCorrections::Correction& correction) {
    if (!ReadNumber(fields.multiplier, correction.multiplier) ||
        !ReadNumber(fields.offset, correction.offset)) {
        return false;
    }
    // Speed, fuel rate and fuel economy are divided by the meters' multipliers.
    if (correction.multiplier == 0.0f) {
        return Refuse(fields.multiplier, tr("Please enter a multiplier other than 0."));
    }
    return true;
}

bool EngineCorrectionsDialog::ReadNumber(QLineEdit* field, float& value) {
    bool ok = false;
    double number = field->text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(static_cast<float>(number))) {
        return Refuse(field, tr("Please enter a number."));
    }
    value = static_cast<float>(number);
    return true;
}

bool EngineCorrectionsDialog::ReadInteger(QLineEdit* field, long low, long high, long& value) {
    bool ok = false;
    value = field->text().trimmed().toLong(&ok);
    if (!ok || value < low || value > high) {
        return Refuse(field, tr("Please enter an integer between %1 and %2.").arg(low).arg(high));
    }
    return true;
}

bool EngineCorrectionsDialog::Refuse(QLineEdit* field, const QString& why) {
    QMessageBox::warning(this, windowTitle(), why);
    field->setFocus();
    field->selectAll();
    return false;
}

}  // namespace rovik
