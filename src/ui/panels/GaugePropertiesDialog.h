#pragma once

#include <QAbstractItemView>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/panels/SimpleGaugeRecord.h"
#include "ui/panels/PanelStyleDialog.h"

class QListWidget;
class QListWidgetItem;

namespace rovik {

class ParameterTable;

// What the properties dialogs of the kinds that show parameters share: the parameter list
// sorted by name, on the left, besides the colour, alignment and check boxes. Each kind
// decides what list selections mean. The table must outlive the dialog.
class GaugePropertiesDialog : public PanelStyleDialog {
    Q_OBJECT
protected:
    // The list is filled but nothing in it is selected yet.
    GaugePropertiesDialog(const ParameterTable& parameters, const Style& style,
                          QAbstractItemView::SelectionMode selectionMode, QWidget* parent);

    // The colour, alignment and check boxes of a simple or scan gauge.
    static Style StyleOf(const SimpleGaugeRecord& gauge);
    // Writes the colour, alignment and check boxes of StyleOf into the gauge.
    void ApplyChoices(SimpleGaugeRecord& gauge) const;

    QListWidget& ParameterList() const { return *parameterList; }
    // The PID of the parameter an entry names, found by name; none when the table is empty.
    std::optional<std::uint16_t> PidOf(const QListWidgetItem& entry) const;
    // The PIDs of the selected entries, top to bottom.
    std::vector<std::uint16_t> SelectedPids() const;

    // For the kinds that show several parameters: selects the entries of these PIDs. The
    // list is rebuilt from the selection, top to bottom, only when the user changes it, so
    // opening and pressing OK keeps it as it was, PIDs the table lacks included.
    void FollowSelection(const std::vector<std::uint16_t>& pids);
    const std::vector<std::uint16_t>& FollowedPids() const { return followed; }

private:
    static QWidget* MakeParameterGroup(QAbstractItemView::SelectionMode selectionMode);
    void FillParameterList();

    const ParameterTable& parameters;
    QListWidget* parameterList;
    std::vector<std::uint16_t> followed;
};

}  // namespace rovik
