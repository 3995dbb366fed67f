#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace rovik {

// A group of radio buttons that stands for a number, the first button 0. The group is one
// Tab stop, on its checked button.
class RadioChoice : public QGroupBox {
    Q_OBJECT
public:
    // A value no button stands for checks none.
    RadioChoice(const QString& title, const QStringList& labels, int value,
                QWidget* parent = nullptr);

    // The checked button's value; the initial value while none is checked.
    int Value() const;

private:
    void FollowCheckedButton();

    QButtonGroup buttons;
    int initial;
};

}  // namespace rovik
