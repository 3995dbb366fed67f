#include "ui/params/ParameterEditorDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "core/io/PidBytes.h"
#include "core/panels/GaugeText.h"
#include "core/params/ParameterTable.h"

namespace rovik {

namespace {
const char* const kNewGaugeName = "NEW GAUGE";

Parameter NewGauge() {
    Parameter made;
    made.name = kNewGaugeName;
    made.abbreviation = "NEW";
    made.unit = "";
    made.pid = 0;
    made.gaugeMinimum = made.gaugeMaximum = 0.0f;
    made.lowRedLine = made.lowYellowLine = made.highYellowLine = made.highRedLine = 0.0f;
    made.format = "%.1f";
    made.offset = 0.0f;
    made.multiplier = 1.0f;
    return made;
}

QString Shown(const std::string& text) {
    return QString::fromLatin1(text.c_str());
}

// A 0 byte would end the string early in PARAMTRS.DAT and spoil the rest of the record.
std::string Typed(QString text) {
    return text.remove(QChar(u'\0')).toLatin1().toStdString();
}

// The fewest digits that give the same float back, so a field left alone keeps its value.
QString Shown(float value) {
    constexpr int kFloatDigits = 9;
    for (int digits = 6; digits < kFloatDigits; ++digits) {
        QString text = QString::number(value, 'g', digits);
        if (text.toFloat() == value) {
            return text;
        }
    }
    return QString::number(value, 'g', kFloatDigits);
}
}  // namespace

ParameterEditorDialog::ParameterEditorDialog(ParameterTable& table, QWidget* parent)
    : QDialog(parent), parameters(table) {
    setWindowTitle(tr("Parameter Editor"));
    list = new QListWidget;
    list->setAccessibleName(tr("Parameters"));
    list->setMinimumWidth(220);
    auto* newButton = new QPushButton(tr("&New"));
    auto* deleteButton = new QPushButton(tr("&Delete"));
    for (QPushButton* button : {newButton, deleteButton}) {
        button->setAutoDefault(false);
    }
    connect(newButton, &QPushButton::clicked, this, &ParameterEditorDialog::New);
    connect(deleteButton, &QPushButton::clicked, this, &ParameterEditorDialog::Delete);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(newButton);
    listButtons->addWidget(deleteButton);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(list, 1);
    listColumn->addLayout(listButtons);

    auto* columns = new QHBoxLayout;
    columns->addLayout(listColumn, 1);
    columns->addLayout(MakeFields());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ParameterEditorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    for (std::size_t i = 0; i < parameters.Size(); ++i) {
        InsertSorted(Shown(parameters.At(i).name));
    }
    if (list->count() > 0) {
        SelectRow(0);
        MakeCurrent(0);
    }
    connect(list, &QListWidget::currentRowChanged, this, &ParameterEditorDialog::SelectionChanged);
    list->setFocus();
}

QFormLayout* ParameterEditorDialog::MakeFields() {
    auto* form = new QFormLayout;
    name = AddField(form, tr("&Gauge"));
    abbreviation = AddField(form, tr("A&bbreviation"));
    pid = AddField(form, tr("&PID"));
    unit = AddField(form, tr("&Unit"));
    AddNumberField(form, tr("Gauge M&inimum"), &Parameter::gaugeMinimum);
    AddNumberField(form, tr("Gauge Ma&ximum"), &Parameter::gaugeMaximum);
    AddNumberField(form, tr("&Low Red Line"), &Parameter::lowRedLine);
    AddNumberField(form, tr("Low &Yellow Line"), &Parameter::lowYellowLine);
    AddNumberField(form, tr("&High Red Line"), &Parameter::highRedLine);
    AddNumberField(form, tr("High Y&ellow Line"), &Parameter::highYellowLine);
    format = AddField(form, tr("&Format"));
    AddNumberField(form, tr("&Offset"), &Parameter::offset);
    AddNumberField(form, tr("&Multiplier"), &Parameter::multiplier);
    return form;
}

QLineEdit* ParameterEditorDialog::AddField(QFormLayout* form, const QString& label) {
    auto* field = new QLineEdit;
    field->setMinimumWidth(160);
    form->addRow(label, field);
    return field;
}

void ParameterEditorDialog::AddNumberField(QFormLayout* form, const QString& label,
                                           float Parameter::*member) {
    numbers.push_back({AddField(form, label), member});
}

int ParameterEditorDialog::InsertSorted(const QString& text) {
    int row = 0;
    while (row < list->count() &&
           QString::compare(list->item(row)->text(), text, Qt::CaseInsensitive) <= 0) {
        ++row;
    }
    list->insertItem(row, text);
    return row;
}

void ParameterEditorDialog::SelectionChanged(int row) {
    if (row < 0 || row == currentRow) {
        return;
    }
    if (std::optional<Refusal> refusal = Take()) {
        // The list has moved already; it goes back once it has finished handling the click
        // or key, and the field says what is wrong.
        QMetaObject::invokeMethod(
            this,
            [this, refusal] {
                SelectRow(currentRow);
                Refuse(*refusal);
            },
            Qt::QueuedConnection);
        return;
    }
    MakeCurrent(row);
}

void ParameterEditorDialog::New() {
    if (std::optional<Refusal> refusal = Take()) {
        Refuse(*refusal);
        return;
    }
    if (parameters.IsFull()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("PARAMTRS.DAT keeps at most %1 parameters. Please delete one "
                                "before adding another.")
                                 .arg(ParameterTable::kMaxSaved));
        return;
    }
    parameters.Append(std::make_unique<Parameter>(NewGauge()));
    current = &parameters.At(parameters.Size() - 1);
    currentRow = InsertSorted(kNewGaugeName);
    SelectRow(currentRow);
    ShowFields();
    name->setFocus();
    name->selectAll();
}

void ParameterEditorDialog::Delete() {
    if (list->count() <= 1) {
        return;
    }
    parameters.RemoveFirstNamed(Typed(list->item(currentRow)->text()));
    {
        const QSignalBlocker blocker(list);
        delete list->takeItem(currentRow);
    }
    SelectRow(0);
    MakeCurrent(0);
}

void ParameterEditorDialog::accept() {
    if (std::optional<Refusal> refusal = Take()) {
        Refuse(*refusal);
        return;
    }
    QDialog::accept();
}

void ParameterEditorDialog::SelectRow(int row) {
    const QSignalBlocker blocker(list);
    list->setCurrentRow(row);
}

void ParameterEditorDialog::MakeCurrent(int row) {
    currentRow = row;
    current = parameters.FindByName(Typed(list->item(row)->text()));
    ShowFields();
}

void ParameterEditorDialog::ShowFields() {
    if (!current) {
        return;
    }
    name->setText(Shown(current->name));
    abbreviation->setText(Shown(current->abbreviation));
    pid->setText(QString::number(current->pid));
    unit->setText(Shown(current->unit));
    format->setText(Shown(current->format));
    for (const NumberField& number : numbers) {
        number.field->setText(Shown((*current).*number.member));
    }
}

std::optional<ParameterEditorDialog::Refusal> ParameterEditorDialog::Take() {
    if (!current) {
        return std::nullopt;
    }
    Parameter typed = *current;
    if (std::optional<Refusal> refusal = Read(typed)) {
        return refusal;
    }
    if (typed.name != current->name) {
        list->item(currentRow)->setText(Shown(typed.name));
    }
    *current = typed;
    return std::nullopt;
}

std::optional<ParameterEditorDialog::Refusal> ParameterEditorDialog::Read(Parameter& typed) const {
    typed.name = Typed(name->text());
    typed.abbreviation = Typed(abbreviation->text());
    typed.unit = Typed(unit->text());
    // Only what the user changed is checked: a value read from an older file that would be
    // refused now is kept as it is, and still shown safely.
    if (pid->isModified()) {
        bool ok = false;
        const unsigned typedPid = pid->text().trimmed().toUInt(&ok);
        if (!ok || !PidBytes::IsStorable(typedPid)) {
            return Refusal{pid, tr("Please enter a PID between 0 and 511 other than 255.")};
        }
        typed.pid = static_cast<std::uint16_t>(typedPid);
    }
    for (const NumberField& number : numbers) {
        if (!number.field->isModified()) {
            continue;
        }
        bool ok = false;
        const auto value = static_cast<float>(number.field->text().trimmed().toDouble(&ok));
        if (!ok || !std::isfinite(value)) {
            return Refusal{number.field, tr("Please enter a number.")};
        }
        typed.*number.member = value;
    }
    if (format->isModified()) {
        typed.format = Typed(format->text());
        if (!GaugeText::TakesOneDouble(typed.format)) {
            return Refusal{format,
                           tr("Please enter a format that prints one number: %f, %e or %g, "
                              "with at most two digits of width and of precision, for example "
                              "%.1f or %6.0f. Other text may stand around it; write %% for a "
                              "percent sign.")};
        }
    }
    return std::nullopt;
}

void ParameterEditorDialog::Refuse(const Refusal& refusal) {
    QMessageBox::warning(this, windowTitle(), refusal.why);
    refusal.field->setFocus();
    refusal.field->selectAll();
}

}  // namespace rovik
