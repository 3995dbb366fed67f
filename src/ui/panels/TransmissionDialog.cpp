#include "ui/panels/TransmissionDialog.h"

namespace rovik {

namespace {
constexpr std::size_t kSelectedBox = 0;
constexpr std::size_t kAttainedBox = 1;
}  // namespace

TransmissionDialog::TransmissionDialog(const TransmissionRecord& indicator, QWidget* parent)
    : PanelStyleDialog({indicator.background,
                        indicator.alignment,
                        {{tr("Show Gear &Selected"), indicator.showGearSelected},
                         {tr("Show Gear &Attained"), indicator.showGearAttained}}},
                       nullptr, parent),
      indicator(indicator) {
    setWindowTitle(tr("Transmission Indicator Properties"));
}

TransmissionRecord TransmissionDialog::Result() const {
    if (result() != Accepted) {
        return indicator;
    }
    TransmissionRecord chosen = indicator;
    chosen.background = Background();
    chosen.alignment = Alignment();
    chosen.showGearSelected = IsChecked(kSelectedBox);
    chosen.showGearAttained = IsChecked(kAttainedBox);
    return chosen;
}

}  // namespace rovik
