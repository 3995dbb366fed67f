#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
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
template <typename Kind>
bool Is(const QObject* object) {
    return qobject_cast<const Kind*>(object) != nullptr;
}

// A control the user works: not the editors, lists and headers inside combo boxes, spin boxes
// and views, which belong to them.
bool IsControl(const QWidget* widget) {
    for (const QObject* up = widget->parent(); up; up = up->parent()) {
        if (Is<QComboBox>(up) || Is<QAbstractSpinBox>(up) || Is<QAbstractItemView>(up)) {
            return false;
        }
    }
    return Is<QAbstractButton>(widget) || Is<QLineEdit>(widget) || Is<QComboBox>(widget) ||
           Is<QAbstractSpinBox>(widget) || Is<QAbstractItemView>(widget);
}

// The text a control shows as its label: its own for a button, its buddy label's otherwise.
QString VisibleLabel(QWidget* control, const QDialog& dialog) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text().remove('&');
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() == control) {
            return label->text().remove('&');
        }
    }
    return {};
}
}  // namespace

TEST(LinkDialogs, EveryControlIsNamedByItsLabelAndReachableFromTheKeyboard) {
    test::FakeMachine machine;
    SerialPortFinder finder(machine.SysRoot().string(), machine.DevRoot().string());
    test::TestLink parts(test::UniqueLinkBlock());
    std::unique_ptr<QDialog> dialogs[] = {
        std::make_unique<CommunicationSettingsDialog>(
            parts.link, parts.box, CommunicationSettingsDialog::Choices{"COM1"}, finder),
        std::make_unique<AdvancedVxbDialog>(parts.link, parts.box, 100),
        std::make_unique<PortScannerDialog>(finder, ConnectionType::Vx100Serial, "COM1"),
        std::make_unique<IpSettingsDialog>("169.254.1.1", 51966),
        std::make_unique<SerialDevicesDialog>(finder.Find(), SerialDevice{}),
    };
    for (const std::unique_ptr<QDialog>& dialog : dialogs) {
        for (QWidget* widget : dialog->findChildren<QWidget*>()) {
            if (!IsControl(widget)) {
                continue;
            }
            const QString label = VisibleLabel(widget, *dialog);
            // On Linux Qt announces a combo box by its value and its label by a relation, so
            // its own name is what other platforms read.
            const QString name =
                Is<QComboBox>(widget)
                    ? widget->accessibleName()
                    : QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
            EXPECT_FALSE(label.isEmpty()) << widget->metaObject()->className();
            EXPECT_EQ(name, label) << dialog->windowTitle().toStdString();
            EXPECT_TRUE(widget->focusPolicy() & Qt::TabFocus) << label.toStdString();
        }
    }
}
