#pragma once

#include <QDialog>
#include <QString>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "core/panels/ColorRef.h"
#include "core/panels/TextAlignment.h"

class QButtonGroup;
class QCheckBox;
class QVBoxLayout;

namespace rovik {

class ColorChooser;

// What the panels' properties dialogs share: the background colour with its swatch, the
// text alignment where the kind has one, a group of check boxes, OK and Cancel. A kind may
// put a control of its own on the left, where Tab starts (the gauges' parameter list), and
// add sections below the others; Tab visits everything in reading order.
class PanelStyleDialog : public QDialog {
    Q_OBJECT
protected:
    struct Style {
        ColorRef background = kWhite;
        // None for a kind whose text has no alignment to choose.
        std::optional<TextAlignment> alignment;
        // Each check box's label, with its accelerator mark, and whether it is checked.
        std::vector<std::pair<QString, bool>> checkBoxes;
    };

    // leading may be none.
    PanelStyleDialog(const Style& style, QWidget* leading, QWidget* parent);

    // Puts a kind's own part below the others; Tab visits its controls in the order given,
    // after the others and before OK.
    void AddSection(QWidget* section, std::initializer_list<QWidget*> controls);
    ColorRef Background() const;
    // The alignment the style started with when the kind has none to choose.
    TextAlignment Alignment() const;
    bool IsChecked(std::size_t index) const;

private:
    QWidget* MakeColorGroup(ColorRef background);
    QWidget* MakeAlignmentGroup(TextAlignment alignment);
    QWidget* MakeDisplayGroup(const std::vector<std::pair<QString, bool>>& checkBoxes);

    ColorChooser* colorChooser = nullptr;
    TextAlignment fixedAlignment;
    QButtonGroup* alignmentButtons = nullptr;
    std::vector<QCheckBox*> checkBoxes;
    QWidget* lastControl = nullptr;
    QVBoxLayout* sections = nullptr;
};

}  // namespace rovik
