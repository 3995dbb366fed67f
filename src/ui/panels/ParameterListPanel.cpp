#include "ui/panels/ParameterListPanel.h"

#include "core/panels/GaugeText.h"
#include "core/params/ParameterTable.h"
#include "ui/panels/PanelHost.h"

namespace rovik {

std::vector<const Parameter*> ParameterListPanel::Entries(
    const std::vector<std::uint16_t>& pids) const {
    std::vector<const Parameter*> entries;
    for (std::uint16_t pid : pids) {
        const Parameter* parameter = host.Parameters().FindByPid(pid);
        if (parameter == nullptr) {
            return {};
        }
        entries.push_back(parameter);
    }
    return entries;
}

QString ParameterListPanel::ReadingOf(const std::vector<std::uint16_t>& pids) const {
    QStringList readings;
    for (const Parameter* parameter : Entries(pids)) {
        readings << QString::fromLatin1(
            GaugeText::Reading(*parameter, ValueOf(*parameter)).c_str());
    }
    return readings.isEmpty() ? Panel::Reading() : readings.join("; ");
}

}  // namespace rovik
