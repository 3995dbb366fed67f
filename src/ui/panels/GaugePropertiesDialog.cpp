#include "ui/panels/GaugePropertiesDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/params/ParameterTable.h"
#include "ui/panels/ColorChooser.h"
#include "ui/params/ParameterNames.h"

namespace rovik {

GaugePropertiesDialog::GaugePropertiesDialog(const ParameterTable& parameters,
                                             const SimpleGaugeRecord& gauge,
                                             QAbstractItemView::SelectionMode selectionMode,
                                             QWidget* parent)
    : QDialog(parent), parameters(parameters) {
    // Made in reading order, which is also the order Tab visits them in.
    QGroupBox* parameterGroup = MakeParameterGroup(selectionMode);
    sections = new QVBoxLayout;
    sections->addWidget(MakeColorGroup(gauge.background));
    sections->addWidget(MakeAlignmentGroup(gauge.alignment));
    sections->addWidget(MakeShowGroup(gauge));
    sections->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addWidget(parameterGroup, 1);
    columns->addLayout(sections);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    FillParameterList();
}

QGroupBox* GaugePropertiesDialog::MakeParameterGroup(
    QAbstractItemView::SelectionMode selectionMode) {
    parameterList = new QListWidget;
    // A list takes no name from its group's title, as other controls do.
    parameterList->setAccessibleName(tr("Parameter"));
    parameterList->setSelectionMode(selectionMode);
    parameterList->setMinimumSize(220, 260);
    auto* group = new QGroupBox(tr("&Parameter"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(parameterList);
    return group;
}

QGroupBox* GaugePropertiesDialog::MakeColorGroup(ColorRef background) {
    auto* group = new QGroupBox(tr("Background"));
    colorChooser = new ColorChooser(background, tr("Change &Color"));
    (new QHBoxLayout(group))->addWidget(colorChooser);
    return group;
}

QGroupBox* GaugePropertiesDialog::MakeAlignmentGroup(TextAlignment alignment) {
    auto* group = new QGroupBox(tr("Text Alignment"));
    auto* layout = new QHBoxLayout(group);
    alignmentButtons = new QButtonGroup(group);
    const QString labels[] = {tr("&Left"), tr("C&enter"), tr("&Right")};
    for (int id = 0; id < 3; ++id) {
        auto* button = new QRadioButton(labels[id]);
        alignmentButtons->addButton(button, id);
        layout->addWidget(button);
    }
    // A record made in code may hold a value no button stands for; Left is the default.
    QAbstractButton* current = alignmentButtons->button(static_cast<int>(alignment));
    current = current != nullptr ? current : alignmentButtons->button(0);
    current->setChecked(true);
    // The radio buttons are one Tab stop; let it be the checked one, not the first.
    for (QAbstractButton* button : alignmentButtons->buttons()) {
        if (button != current) {
            button->setFocusPolicy(Qt::ClickFocus);
        }
    }
    return group;
}

QGroupBox* GaugePropertiesDialog::MakeShowGroup(const SimpleGaugeRecord& gauge) {
    auto* group = new QGroupBox(tr("Display"));
    auto* layout = new QVBoxLayout(group);
    warningLampBox = AddCheckBox(layout, tr("Show &Warning Lamp"), gauge.showWarningLamp);
    gaugeNameBox = AddCheckBox(layout, tr("Show Gauge &Name"), gauge.showGaugeName);
    valueBox = AddCheckBox(layout, tr("Show &Value"), gauge.showValue);
    unitBox = AddCheckBox(layout, tr("Show &Unit"), gauge.showUnit);
    graphBox = AddCheckBox(layout, tr("Show &Graph"), gauge.showGraph);
    abbreviationBox = AddCheckBox(layout, tr("Use &Abbreviation"), gauge.useAbbreviation);
    lastControl = abbreviationBox;
    return group;
}

QCheckBox* GaugePropertiesDialog::AddCheckBox(QVBoxLayout* layout, const QString& text,
                                              bool checked) {
    auto* box = new QCheckBox(text);
    box->setChecked(checked);
    layout->addWidget(box);
    return box;
}

void GaugePropertiesDialog::FillParameterList() {
    parameterList->addItems(SortedParameterNames(parameters));
}

std::optional<std::uint16_t> GaugePropertiesDialog::PidOf(const QListWidgetItem& entry) const {
    const Parameter* parameter = parameters.FindByName(entry.text().toLatin1().toStdString());
    if (parameter == nullptr) {
        return std::nullopt;
    }
    return parameter->pid;
}

std::vector<std::uint16_t> GaugePropertiesDialog::SelectedPids() const {
    std::vector<std::uint16_t> pids;
    for (int row = 0; row < parameterList->count(); ++row) {
        const QListWidgetItem& entry = *parameterList->item(row);
        std::optional<std::uint16_t> pid = PidOf(entry);
        if (entry.isSelected() && pid) {
            pids.push_back(*pid);
        }
    }
    return pids;
}

void GaugePropertiesDialog::AddSection(QGroupBox* section,
                                       std::initializer_list<QWidget*> controls) {
    sections->insertWidget(sections->count() - 1, section);
    // The section was made after the buttons; Tab must still reach it before OK.
    for (QWidget* control : controls) {
        QWidget::setTabOrder(lastControl, control);
        lastControl = control;
    }
}

void GaugePropertiesDialog::ApplyChoices(SimpleGaugeRecord& gauge) const {
    gauge.background = colorChooser->Color();
    gauge.alignment = static_cast<TextAlignment>(alignmentButtons->checkedId());
    gauge.showWarningLamp = warningLampBox->isChecked();
    gauge.showGaugeName = gaugeNameBox->isChecked();
    gauge.showValue = valueBox->isChecked();
    gauge.showUnit = unitBox->isChecked();
    gauge.showGraph = graphBox->isChecked();
    gauge.useAbbreviation = abbreviationBox->isChecked();
}

}  // namespace rovik
