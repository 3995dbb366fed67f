#pragma once

#include "core/panels/MultibarRecord.h"
#include "ui/panels/GaugePropertiesDialog.h"

namespace rovik {

// "MultiBar Properties": the parameters of the bars, their colour, alignment and which text
// rows show.
class MultibarDialog : public GaugePropertiesDialog {
    Q_OBJECT
public:
    MultibarDialog(const ParameterTable& parameters, const MultibarRecord& multibar,
                   QWidget* parent = nullptr);

    // The multibar with the user's choices once OK was pressed; as given otherwise. The
    // bars follow the list's alphabetical order, at most PidList::kMaxCount of them.
    MultibarRecord Result() const;

private:
    MultibarRecord multibar;
};

}  // namespace rovik
