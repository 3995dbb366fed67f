#include "ui/alarms/RadioChoice.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace rovik {

RadioChoice::RadioChoice(const QString& title, const QStringList& labels, int value,
                         QWidget* parent)
    : QGroupBox(title, parent), initial(value) {
    auto* layout = new QVBoxLayout(this);
    for (int id = 0; id < labels.size(); ++id) {
        auto* button = new QRadioButton(labels[id]);
        buttons.addButton(button, id);
        layout->addWidget(button);
        button->setChecked(id == value);
    }
    connect(&buttons, &QButtonGroup::idToggled, this, &RadioChoice::FollowCheckedButton);
    FollowCheckedButton();
}

int RadioChoice::Value() const {
    return buttons.checkedId() >= 0 ? buttons.checkedId() : initial;
}

void RadioChoice::FollowCheckedButton() {
    const QAbstractButton* checked = buttons.checkedButton();
    for (QAbstractButton* button : buttons.buttons()) {
        const bool stop =
            checked == nullptr ? button == buttons.buttons().front() : button == checked;
        button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

}  // namespace rovik
