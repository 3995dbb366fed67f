#include "ui/panels/PanelStyleDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/panels/ColorChooser.h"

namespace rovik {

PanelStyleDialog::PanelStyleDialog(const Style& style, QWidget* leading, QWidget* parent)
    : QDialog(parent), fixedAlignment(style.alignment.value_or(TextAlignment::Left)) {
    // Laid out in reading order, which is also the order Tab visits them in.
    sections = new QVBoxLayout;
    sections->addWidget(MakeColorGroup(style.background));
    if (style.alignment) {
        sections->addWidget(MakeAlignmentGroup(*style.alignment));
    }
    if (!style.checkBoxes.empty()) {
        sections->addWidget(MakeDisplayGroup(style.checkBoxes));
    }
    sections->addStretch();

    auto* columns = new QHBoxLayout;
    if (leading != nullptr) {
        columns->addWidget(leading, 1);
    }
    columns->addLayout(sections);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    if (leading == nullptr) {
        // Otherwise the dialog would start on OK, in the middle of the Tab cycle.
        colorChooser->setFocus();
    }
}

QWidget* PanelStyleDialog::MakeColorGroup(ColorRef background) {
    auto* group = new QGroupBox(tr("Background"));
    colorChooser = new ColorChooser(background, tr("Change &Color"));
    (new QHBoxLayout(group))->addWidget(colorChooser);
    lastControl = colorChooser->focusProxy();
    return group;
}

QWidget* PanelStyleDialog::MakeAlignmentGroup(TextAlignment initial) {
    auto* group = new QGroupBox(tr("Text Alignment"));
    auto* layout = new QHBoxLayout(group);
    alignmentButtons = new QButtonGroup(group);
    const QString labels[] = {tr("&Left"), tr("C&enter"), tr("&Right")};
    for (int id = 0; id < 3; ++id) {
        auto* button = new QRadioButton(labels[id]);
        alignmentButtons->addButton(button, id);
        layout->addWidget(button);
    }
    // A record made in code may hold a value no button stands for; Left is the default.
    QAbstractButton* current = alignmentButtons->button(static_cast<int>(initial));
    current = current != nullptr ? current : alignmentButtons->button(0);
    current->setChecked(true);
    // The radio buttons are one Tab stop; let it be the checked one, not the first.
    for (QAbstractButton* button : alignmentButtons->buttons()) {
        if (button != current) {
            button->setFocusPolicy(Qt::ClickFocus);
        }
    }
    lastControl = current;
    return group;
}

QWidget* PanelStyleDialog::MakeDisplayGroup(const std::vector<std::pair<QString, bool>>& labelled) {
    auto* group = new QGroupBox(tr("Display"));
    auto* layout = new QVBoxLayout(group);
    for (const auto& [text, checked] : labelled) {
        auto* box = new QCheckBox(text);
        box->setChecked(checked);
        layout->addWidget(box);
        checkBoxes.push_back(box);
    }
    lastControl = checkBoxes.back();
    return group;
}

void PanelStyleDialog::AddSection(QWidget* section, std::initializer_list<QWidget*> controls) {
    sections->insertWidget(sections->count() - 1, section);
    // The section was made after the buttons; Tab must still reach it before OK.
    for (QWidget* control : controls) {
        QWidget::setTabOrder(lastControl, control);
        lastControl = control;
    }
}

ColorRef PanelStyleDialog::Background() const {
    return colorChooser->Color();
}

TextAlignment PanelStyleDialog::Alignment() const {
    return alignmentButtons != nullptr ? static_cast<TextAlignment>(alignmentButtons->checkedId())
                                       : fixedAlignment;
}

bool PanelStyleDialog::IsChecked(std::size_t index) const {
    return checkBoxes.at(index)->isChecked();
}

}  // namespace rovik
