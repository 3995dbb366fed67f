#pragma once

#include <QListWidget>
#include <cstdint>
#include <optional>

class QGroupBox;

namespace rovik {

class ParameterTable;

// Every parameter by name, in the table's order, to choose the one an alarm, a message or a
// message box watches.
class ParameterList : public QListWidget {
    Q_OBJECT
public:
    // Selects the parameter with this PID, when the table has one.
    ParameterList(const ParameterTable& parameters, std::uint16_t pid, QWidget* parent = nullptr);

    // The name of the parameter with the PID, or the PID where the table has none.
    static QString NameOf(const ParameterTable& parameters, std::uint16_t pid);

    // The PID of the chosen parameter; none while no parameter is chosen.
    std::optional<std::uint16_t> Pid() const;
    // The list in its "Parameter" group, as the alarm and message editors show it.
    QGroupBox* InGroup();

private:
    const ParameterTable& parameters;
};

}  // namespace rovik
