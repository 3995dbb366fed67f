#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "LinkDialogSupport.h"
#include "platform/SerialPortFinder.h"
#include "support/FakeMachine.h"
#include "ui/link/AdvancedVxbDialog.h"
#include "ui/link/CommunicationSettingsDialog.h"
#include "ui/link/IpSettingsDialog.h"
#include "ui/link/PortScannerDialog.h"
#include "ui/link/SerialDevicesDialog.h"

using namespace rovik;

namespace {
// The text a control shows as its label: its own for a button, its buddy label's otherwise.
QString VisibleLabel(QWidget& control, const QDialog& dialog) {
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        return button->text().remove('&');
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() == &control) {
            return label->text().remove('&');
        }
    }
    return {};
}

bool IsControl(const QWidget* widget) {
    // The editors, lists and headers inside combo boxes, spin boxes and views belong to them.
    for (const QObject* up = widget->parent(); up; up = up->parent()) {
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractSpinBox*>(up) ||
            qobject_cast<const QAbstractItemView*>(up)) {
            return false;
        }
    }
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget);
}

// Every control carries its visible label as its accessible name and takes the focus from
// the keyboard.
void ExpectNamedAndReachable(QDialog& dialog) {
    int controls = 0;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!IsControl(widget)) {
            continue;
        }
        ++controls;
        const QString label = VisibleLabel(*widget, dialog);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(label.isEmpty()) << widget->metaObject()->className();
        // On Linux Qt announces a combo box by its value and its label by a relation, so its
        // own name is what other platforms read.
        const QString name = qobject_cast<QComboBox*>(widget) ? widget->accessibleName()
                                                              : accessible->text(QAccessible::Name);
        EXPECT_EQ(name, label) << dialog.windowTitle().toStdString();
        EXPECT_TRUE(widget->focusPolicy() & Qt::TabFocus) << label.toStdString();
    }
    EXPECT_GE(controls, 2) << dialog.windowTitle().toStdString();
}
}  // namespace

TEST(LinkDialogs, EveryControlIsNamedByItsLabelAndReachableFromTheKeyboard) {
    test::FakeMachine machine;
    SerialPortFinder finder(machine.SysRoot().string(), machine.DevRoot().string());
    test::TestLink parts(test::UniqueLinkBlock());
    const std::vector<std::function<std::unique_ptr<QDialog>()>> dialogs = {
        [&] {
            return std::make_unique<CommunicationSettingsDialog>(
                parts.link, parts.box, CommunicationSettingsDialog::Choices{"COM1"}, finder);
        },
        [&] { return std::make_unique<AdvancedVxbDialog>(parts.link, parts.box, 100); },
        [&] {
            return std::make_unique<PortScannerDialog>(finder, ConnectionType::Vx100Serial, "COM1");
        },
        [] { return std::make_unique<IpSettingsDialog>("169.254.1.1", 51966); },
        [&] { return std::make_unique<SerialDevicesDialog>(finder.Find(), SerialDevice{}); },
    };
    for (const auto& make : dialogs) {
        std::unique_ptr<QDialog> dialog = make();
        ExpectNamedAndReachable(*dialog);
    }
}
