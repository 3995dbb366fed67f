#pragma once

#include <QDialog>
#include <initializer_list>
#include <vector>

#include "core/panels/ReadoutRecord.h"

class QButtonGroup;
class QCheckBox;
class QDialogButtonBox;
class QGroupBox;
class QPushButton;
class QVBoxLayout;

namespace rovik {

class ColorChooser;

// What the properties dialogs of the trip odometer and the tank minder share: text
// alignment, side-by-side or stacked layout, captions and units, the background colour, OK
// and Cancel. Each kind adds its own check boxes, sections and buttons; Tab visits
// everything in reading order.
class ReadoutDialog : public QDialog {
    Q_OBJECT
protected:
    ReadoutDialog(const QString& title, const ReadoutRecord& look, QWidget* parent);

    // A check box in the Display group, below those before it.
    QCheckBox* AddCheckBox(const QString& text, bool checked);
    // A group in the right column, below those before it, with its controls in Tab order.
    void AddSection(QGroupBox* section, std::initializer_list<QWidget*> controls);
    // A button at the foot of the right column that acts at once.
    QPushButton* AddButton(const QString& text);
    // Writes the colour, alignment, layout, captions and units into the record.
    void ApplyChoices(ReadoutRecord& look) const;

    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* MakeAlignmentGroup(TextAlignment alignment);
    QGroupBox* MakeLayoutGroup(bool horizontal);
    QGroupBox* MakeDisplayGroup(const ReadoutRecord& look);
    // The radio buttons of a group are one Tab stop: the checked one.
    void OneTabStop(QButtonGroup* group);
    // Each control comes after the one before it when Tab is pressed.
    static void PutInTabOrder(const std::vector<QWidget*>& controls);

    QButtonGroup* alignmentButtons = nullptr;
    QButtonGroup* layoutButtons = nullptr;
    QCheckBox* captionsBox = nullptr;
    QCheckBox* unitsBox = nullptr;
    ColorChooser* colorChooser = nullptr;
    QVBoxLayout* display = nullptr;
    QVBoxLayout* sections = nullptr;
    QVBoxLayout* actions = nullptr;
    std::vector<QWidget*> leftControls;
    std::vector<QWidget*> checkBoxes;
    std::vector<QWidget*> rightControls;
};

}  // namespace rovik
