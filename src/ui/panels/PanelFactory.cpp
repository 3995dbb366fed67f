#include "ui/panels/PanelFactory.h"

#include "ui/panels/ClockPanel.h"
#include "ui/panels/HistogramPanel.h"
#include "ui/panels/MessageBoxPanel.h"
#include "ui/panels/MultibarPanel.h"
#include "ui/panels/OdometerPanel.h"
#include "ui/panels/RBmpPanel.h"
#include "ui/panels/ScanGauge.h"
#include "ui/panels/TankMinderPanel.h"
#include "ui/panels/TextPanel.h"
#include "ui/panels/TireGaugePanel.h"
#include "ui/panels/TransmissionPanel.h"

namespace rovik {

Panel* PanelFactory::Create(PanelHost& host, const AnyPanelRecord& record, bool fromFile) {
    return std::visit(
        [&](const auto& kind) -> Panel* {
            using Record = std::decay_t<decltype(kind)>;
            if constexpr (std::is_same_v<Record, ScanGaugeRecord>) {
                return new ScanGauge(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, SimpleGaugeRecord>) {
                return new SimpleGauge(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, OdometerRecord>) {
                return new OdometerPanel(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, TankMinderRecord>) {
                return new TankMinderPanel(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, TransmissionRecord>) {
                return new TransmissionPanel(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, MultibarRecord>) {
                return new MultibarPanel(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, HistogramRecord>) {
                return new HistogramPanel(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, ClockRecord>) {
                return new ClockPanel(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, PictureRecord>) {
                return new RBmpPanel(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, TextPanelRecord>) {
                return new TextPanel(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, TireGaugeRecord>) {
                return new TireGaugePanel(host, kind, fromFile);
            } else if constexpr (std::is_same_v<Record, MessageBoxRecord>) {
                return new MessageBoxPanel(host, kind, fromFile);
            } else {
                return new Panel(host, kind, fromFile);
            }
        },
        record);
}

}  // namespace rovik
