#include "ui/panels/ReadoutDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/panels/ColorChooser.h"

namespace rovik {

namespace {
constexpr int kHorizontalId = 0;
constexpr int kVerticalId = 1;

QButtonGroup* RadioGroup(QGroupBox* box, std::initializer_list<QString> labels, int checked) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QHBoxLayout(box);
    int id = 0;
    for (const QString& label : labels) {
        auto* button = new QRadioButton(label, box);
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    // A record made in code may hold a value no button stands for; the first is the default.
    QAbstractButton* current = group->button(checked);
    (current != nullptr ? current : group->button(0))->setChecked(true);
    return group;
}
}  // namespace

ReadoutDialog::ReadoutDialog(const QString& title, const ReadoutRecord& look, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    auto* left = new QVBoxLayout;
    left->addWidget(MakeAlignmentGroup(look.alignment));
    left->addWidget(MakeLayoutGroup(look.horizontal));
    left->addWidget(MakeDisplayGroup(look));
    auto* background = new QGroupBox(tr("Background"), this);
    colorChooser = new ColorChooser(look.background, tr("Change &Color"), background);
    (new QVBoxLayout(background))->addWidget(colorChooser);
    left->addWidget(background);
    left->addStretch();

    sections = new QVBoxLayout;
    actions = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    right->addLayout(sections);
    right->addStretch();
    right->addLayout(actions);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
}

QGroupBox* ReadoutDialog::MakeAlignmentGroup(TextAlignment alignment) {
    auto* box = new QGroupBox(tr("Text Alignment"), this);
    alignmentButtons =
        RadioGroup(box, {tr("&Left"), tr("C&enter"), tr("&Right")}, static_cast<int>(alignment));
    OneTabStop(alignmentButtons);
    return box;
}

QGroupBox* ReadoutDialog::MakeLayoutGroup(bool horizontal) {
    auto* box = new QGroupBox(tr("Layout"), this);
    layoutButtons = RadioGroup(box, {tr("Hori&zontal"), tr("&Vertical")},
                               horizontal ? kHorizontalId : kVerticalId);
    OneTabStop(layoutButtons);
    return box;
}

QGroupBox* ReadoutDialog::MakeDisplayGroup(const ReadoutRecord& look) {
    auto* box = new QGroupBox(tr("Display"), this);
    display = new QVBoxLayout(box);
    captionsBox = AddCheckBox(tr("Show Ca&ptions"), look.showCaptions);
    unitsBox = AddCheckBox(tr("Show U&nits"), look.showUnits);
    return box;
}

void ReadoutDialog::OneTabStop(QButtonGroup* group) {
    for (QAbstractButton* button : group->buttons()) {
        if (button->isChecked()) {
            leftControls.push_back(button);
        } else {
            button->setFocusPolicy(Qt::ClickFocus);
        }
    }
}

QCheckBox* ReadoutDialog::AddCheckBox(const QString& text, bool checked) {
    auto* box = new QCheckBox(text, display->parentWidget());
    box->setChecked(checked);
    display->addWidget(box);
    checkBoxes.push_back(box);
    return box;
}

void ReadoutDialog::AddSection(QGroupBox* section, std::initializer_list<QWidget*> controls) {
    section->setParent(this);
    sections->addWidget(section);
    rightControls.insert(rightControls.end(), controls);
}

QPushButton* ReadoutDialog::AddButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    actions->addWidget(button);
    rightControls.push_back(button);
    return button;
}

void ReadoutDialog::ApplyChoices(ReadoutRecord& look) const {
    look.background = colorChooser->Color();
    look.alignment = static_cast<TextAlignment>(alignmentButtons->checkedId());
    look.horizontal = layoutButtons->checkedId() == kHorizontalId;
    look.showCaptions = captionsBox->isChecked();
    look.showUnits = unitsBox->isChecked();
}

void ReadoutDialog::showEvent(QShowEvent* event) {
    // The kinds add their controls after the common ones were made; Tab goes by reading order.
    // Only single controls are moved: the colour chooser and the button box stay whole, as
    // a part moved away from its box would become a second stop that Tab keeps coming to.
    std::vector<QWidget*> left = leftControls;
    left.insert(left.end(), checkBoxes.begin(), checkBoxes.end());
    PutInTabOrder(left);
    std::vector<QWidget*> right{colorChooser->focusProxy()};
    right.insert(right.end(), rightControls.begin(), rightControls.end());
    PutInTabOrder(right);
    QDialog::showEvent(event);
}

void ReadoutDialog::PutInTabOrder(const std::vector<QWidget*>& controls) {
    for (std::size_t i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
}

}  // namespace rovik
