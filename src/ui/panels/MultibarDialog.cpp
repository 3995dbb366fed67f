#include "ui/panels/MultibarDialog.h"

namespace rovik {

namespace {
constexpr std::size_t kNameBox = 0;
constexpr std::size_t kValueBox = 1;
constexpr std::size_t kUnitBox = 2;
}  // namespace

MultibarDialog::MultibarDialog(const ParameterTable& parameters, const MultibarRecord& multibar,
                               QWidget* parent)
    : GaugePropertiesDialog(parameters,
                            {multibar.background,
                             multibar.alignment,
                             {{tr("Show Gauge &Name"), multibar.showGaugeName},
                              {tr("Show &Value"), multibar.showValue},
                              {tr("Show &Unit"), multibar.showUnit}}},
                            QAbstractItemView::MultiSelection, parent),
      multibar(multibar) {
    setWindowTitle(tr("MultiBar Properties"));
    FollowSelection(multibar.pids);
}

MultibarRecord MultibarDialog::Result() const {
    if (result() != Accepted) {
        return multibar;
    }
    MultibarRecord chosen = multibar;
    chosen.background = Background();
    chosen.alignment = Alignment();
    chosen.showGaugeName = IsChecked(kNameBox);
    chosen.showValue = IsChecked(kValueBox);
    chosen.showUnit = IsChecked(kUnitBox);
    chosen.SetPids(FollowedPids());
    return chosen;
}

}  // namespace rovik
