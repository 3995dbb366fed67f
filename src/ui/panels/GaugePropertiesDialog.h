#pragma once

#include <QAbstractItemView>
#include <QDialog>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "core/panels/SimpleGaugeRecord.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QVBoxLayout;

namespace rovik {

class ColorChooser;
class ParameterTable;

// What the gauge properties dialogs share: the parameter list sorted by name, the background
// colour with its swatch, the text alignment, the Show check boxes, OK and Cancel. Each
// kind's dialog decides what list selections mean and may add a section of its own. The
// table must outlive the dialog.
class GaugePropertiesDialog : public QDialog {
    Q_OBJECT
protected:
    // Starts from the gauge's colour, alignment and check boxes; the list is filled but
    // nothing in it is selected yet.
    GaugePropertiesDialog(const ParameterTable& parameters, const SimpleGaugeRecord& gauge,
                          QAbstractItemView::SelectionMode selectionMode, QWidget* parent);

    QListWidget& ParameterList() const { return *parameterList; }
    // The PID of the parameter an entry names, found by name; none when the table is empty.
    std::optional<std::uint16_t> PidOf(const QListWidgetItem& entry) const;
    // The PIDs of the selected entries, top to bottom.
    std::vector<std::uint16_t> SelectedPids() const;

    // Puts a kind's own group below the common ones; Tab visits its controls in the order
    // given, after the common ones and before OK.
    void AddSection(QGroupBox* section, std::initializer_list<QWidget*> controls);
    // Writes the colour, alignment and check boxes into the gauge.
    void ApplyChoices(SimpleGaugeRecord& gauge) const;

private:
    QGroupBox* MakeParameterGroup(QAbstractItemView::SelectionMode selectionMode);
    QGroupBox* MakeColorGroup(ColorRef background);
    QGroupBox* MakeAlignmentGroup(TextAlignment alignment);
    QGroupBox* MakeShowGroup(const SimpleGaugeRecord& gauge);
    QCheckBox* AddCheckBox(QVBoxLayout* layout, const QString& text, bool checked);
    void FillParameterList();

    const ParameterTable& parameters;
    QListWidget* parameterList = nullptr;
    ColorChooser* colorChooser = nullptr;
    QButtonGroup* alignmentButtons = nullptr;
    QCheckBox* warningLampBox = nullptr;
    QCheckBox* gaugeNameBox = nullptr;
    QCheckBox* valueBox = nullptr;
    QCheckBox* unitBox = nullptr;
    QCheckBox* graphBox = nullptr;
    QCheckBox* abbreviationBox = nullptr;
    QWidget* lastControl = nullptr;
    QVBoxLayout* sections = nullptr;
};

}  // namespace rovik
