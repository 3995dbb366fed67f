#include "ui/panels/HistogramDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "ui/maint/RangeCheck.h"

namespace rovik {

HistogramDialog::HistogramDialog(const ParameterTable& parameters, const HistogramRecord& histogram,
                                 QWidget* parent)
    : GaugePropertiesDialog(parameters, {histogram.background, std::nullopt, {}},
                            QAbstractItemView::MultiSelection, parent),
      histogram(histogram),
      rateField(new QLineEdit(QString::number(histogram.updateRate))) {
    setWindowTitle(tr("Histogram Properties"));
    rateField->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,9}"), rateField));
    rateField->setMaximumWidth(60);
    auto* label = new QLabel(tr("&Update Rate"));
    label->setBuddy(rateField);
    auto* section = new QGroupBox(tr("Columns"));
    auto* layout = new QHBoxLayout(section);
    layout->addWidget(label);
    layout->addWidget(rateField);
    layout->addWidget(new QLabel(tr("Seconds")));
    layout->addStretch();
    AddSection(section, {rateField});
    FollowSelection(histogram.pids);
}

void HistogramDialog::accept() {
    int rate = 0;
    if (RangeCheck(this).Integer(rateField, static_cast<int>(HistogramRecord::kFastestRate),
                                 static_cast<int>(HistogramRecord::kSlowestRate), rate)) {
        GaugePropertiesDialog::accept();
    }
}

HistogramRecord HistogramDialog::Result() const {
    if (result() != Accepted) {
        return histogram;
    }
    HistogramRecord chosen = histogram;
    chosen.background = Background();
    chosen.updateRate = rateField->text().toUInt();
    chosen.SetPids(FollowedPids());
    return chosen;
}

}  // namespace rovik
