#pragma once

#include <cstdint>

#include "core/panels/SimpleGaugeRecord.h"
#include "ui/panels/GaugePropertiesDialog.h"

namespace rovik {

// "Simple Gauge Properties": the one parameter the gauge shows, its colour, alignment and
// what it shows.
class SimpleGaugeDialog : public GaugePropertiesDialog {
    Q_OBJECT
public:
    SimpleGaugeDialog(const ParameterTable& parameters, const SimpleGaugeRecord& gauge,
                      QWidget* parent = nullptr);

    // The gauge with the user's choices once OK was pressed; the gauge as given otherwise.
    SimpleGaugeRecord Result() const;

private:
    void SelectCurrentParameter(const ParameterTable& parameters);

    SimpleGaugeRecord gauge;
    std::uint16_t pid;
};

}  // namespace rovik
