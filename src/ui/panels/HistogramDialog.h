#pragma once

#include "core/panels/HistogramRecord.h"
#include "ui/panels/GaugePropertiesDialog.h"

class QLineEdit;

namespace rovik {

// "Histogram Properties": the parameters plotted, the panel's colour and the seconds between
// columns. OK refuses a rate outside 1 to 60 and keeps the dialog open on it.
class HistogramDialog : public GaugePropertiesDialog {
    Q_OBJECT
public:
    HistogramDialog(const ParameterTable& parameters, const HistogramRecord& histogram,
                    QWidget* parent = nullptr);

    // The histogram with the user's choices once OK was pressed; as given otherwise.
    HistogramRecord Result() const;

    void accept() override;

private:
    HistogramRecord histogram;
    QLineEdit* rateField;
};

}  // namespace rovik
