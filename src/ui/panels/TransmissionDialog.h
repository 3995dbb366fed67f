#pragma once

#include "core/panels/TransmissionRecord.h"
#include "ui/panels/PanelStyleDialog.h"

namespace rovik {

// "Transmission Indicator Properties": which range letters the indicator shows, where they
// sit and the panel's colour.
class TransmissionDialog : public PanelStyleDialog {
    Q_OBJECT
public:
    explicit TransmissionDialog(const TransmissionRecord& indicator, QWidget* parent = nullptr);

    // The indicator with the user's choices once OK was pressed; as given otherwise.
    TransmissionRecord Result() const;

private:
    TransmissionRecord indicator;
};

}  // namespace rovik
