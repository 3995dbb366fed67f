#include "ui/panels/SimpleGaugeDialog.h"

#include <QListWidget>

#include "core/params/ParameterTable.h"

namespace rovik {

SimpleGaugeDialog::SimpleGaugeDialog(const ParameterTable& parameters,
                                     const SimpleGaugeRecord& gauge, QWidget* parent)
    : GaugePropertiesDialog(parameters, StyleOf(gauge), QAbstractItemView::SingleSelection, parent),
      gauge(gauge),
      pid(gauge.pid) {
    setWindowTitle(tr("Simple Gauge Properties"));
    SelectCurrentParameter(parameters);
    connect(&ParameterList(), &QListWidget::itemSelectionChanged, this, [this] {
        std::vector<std::uint16_t> selected = SelectedPids();
        if (!selected.empty()) {
            pid = selected.front();
        }
    });
}

void SimpleGaugeDialog::SelectCurrentParameter(const ParameterTable& parameters) {
    // A PID the table does not define selects nothing, so OK alone keeps it.
    if (!parameters.IsDefined(pid)) {
        return;
    }
    QString name = QString::fromLatin1(parameters.FindByPid(pid)->name.c_str());
    QList<QListWidgetItem*> found = ParameterList().findItems(name, Qt::MatchExactly);
    if (!found.empty()) {
        ParameterList().setCurrentItem(found.front());
        ParameterList().scrollToItem(found.front(), QAbstractItemView::PositionAtCenter);
    }
}

SimpleGaugeRecord SimpleGaugeDialog::Result() const {
    if (result() != QDialog::Accepted) {
        return gauge;
    }
    SimpleGaugeRecord chosen = gauge;
    ApplyChoices(chosen);
    chosen.pid = pid;
    return chosen;
}

}  // namespace rovik
