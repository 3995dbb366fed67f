#pragma once

#include <cstdint>
#include <vector>

#include "ui/panels/Panel.h"

namespace rovik {

// The base of the panels that show the parameters of a list of PIDs at once: the multibar
// and the histogram. They look the parameters up on every use, since the table's entries
// change when it is edited or reloaded; a PID the table lacks shows its last parameter.
class ParameterListPanel : public Panel {
    Q_OBJECT
protected:
    using Panel::Panel;

    // The parameter of each PID, in list order; none when the table is empty.
    std::vector<const Parameter*> Entries(const std::vector<std::uint16_t>& pids) const;
    // Each parameter's name, value and unit: "ROAD SPEED, 30.0 MPH; ENGINE SPEED, 700 RPM".
    QString ReadingOf(const std::vector<std::uint16_t>& pids) const;
};

}  // namespace rovik
