#include "ui/panels/GaugePropertiesDialog.h"

#include <QGroupBox>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/params/ParameterTable.h"
#include "ui/params/ParameterNames.h"

namespace rovik {

GaugePropertiesDialog::GaugePropertiesDialog(const ParameterTable& parameters, const Style& style,
                                             QAbstractItemView::SelectionMode selectionMode,
                                             QWidget* parent)
    : PanelStyleDialog(style, MakeParameterGroup(selectionMode), parent),
      parameters(parameters),
      parameterList(findChild<QListWidget*>()) {
    FillParameterList();
}

QWidget* GaugePropertiesDialog::MakeParameterGroup(QAbstractItemView::SelectionMode selectionMode) {
    auto* list = new QListWidget;
    // A list takes no name from its group's title, as other controls do.
    list->setAccessibleName(tr("Parameter"));
    list->setSelectionMode(selectionMode);
    list->setMinimumSize(220, 260);
    auto* group = new QGroupBox(tr("&Parameter"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list);
    return group;
}

PanelStyleDialog::Style GaugePropertiesDialog::StyleOf(const SimpleGaugeRecord& gauge) {
    return {gauge.background,
            gauge.alignment,
            {{tr("Show &Warning Lamp"), gauge.showWarningLamp},
             {tr("Show Gauge &Name"), gauge.showGaugeName},
             {tr("Show &Value"), gauge.showValue},
             {tr("Show &Unit"), gauge.showUnit},
             {tr("Show &Graph"), gauge.showGraph},
             {tr("Use &Abbreviation"), gauge.useAbbreviation}}};
}

void GaugePropertiesDialog::ApplyChoices(SimpleGaugeRecord& gauge) const {
    gauge.background = Background();
    gauge.alignment = Alignment();
    bool* flags[] = {&gauge.showWarningLamp, &gauge.showGaugeName, &gauge.showValue,
                     &gauge.showUnit,        &gauge.showGraph,     &gauge.useAbbreviation};
    for (std::size_t i = 0; i < std::size(flags); ++i) {
        *flags[i] = IsChecked(i);
    }
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

void GaugePropertiesDialog::FollowSelection(const std::vector<std::uint16_t>& pids) {
    followed = pids;
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < parameterList->count(); ++row) {
        QListWidgetItem* entry = parameterList->item(row);
        std::optional<std::uint16_t> pid = PidOf(*entry);
        if (pid && std::find(pids.begin(), pids.end(), *pid) != pids.end()) {
            entry->setSelected(true);
            first = first != nullptr ? first : entry;
        }
    }
    if (first != nullptr) {
        parameterList->setCurrentItem(first, QItemSelectionModel::NoUpdate);
        parameterList->scrollToItem(first, QAbstractItemView::PositionAtCenter);
    }
    connect(parameterList, &QListWidget::itemSelectionChanged, this,
            [this] { followed = SelectedPids(); });
}

}  // namespace rovik
