#include "ui/panels/PanelFactory.h"

#include "ui/panels/OdometerPanel.h"
#include "ui/panels/ScanGauge.h"
#include "ui/panels/TankMinderPanel.h"

namespace rovik {

Panel* PanelFactory::Create(MainWindow& main, const AnyPanelRecord& record, bool fromFile) {
    return std::visit(
        [&](const auto& kind) -> Panel* {
            using Record = std::decay_t<decltype(kind)>;
            if constexpr (std::is_same_v<Record, ScanGaugeRecord>) {
                return new ScanGauge(main, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, SimpleGaugeRecord>) {
                return new SimpleGauge(main, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, OdometerRecord>) {
                return new OdometerPanel(main, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, TankMinderRecord>) {
                return new TankMinderPanel(main, kind, fromFile);
            } else {
                return new Panel(main, kind, fromFile);
            }
        },
        record);
}

}  // namespace rovik
