#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/params/ParameterTable.h"

// Shows the dialog and makes it the active window, so keys and shortcuts reach it; asked
// again until it holds, since the window it opened from may still be taking activation.
inline void ShowActive(QDialog& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&dialog] {
        dialog.activateWindow();
        return QApplication::activeWindow() == &dialog;
    }));
}

inline QStringList Entries(const QListWidget& list, bool selectedOnly);

inline QStringList Entries(QDialog& dialog, bool selectedOnly = false) {
    return Entries(*dialog.findChild<QListWidget*>(), selectedOnly);
}

// The button or check box whose text is this, accelerator marks included.
template <typename Button = QAbstractButton>
Button& ButtonNamed(QDialog& dialog, const QString& text) {
    for (Button* button : dialog.findChildren<Button*>()) {
        if (button->text() == text) {
            return *button;
        }
    }
    throw std::runtime_error("no button " + text.toStdString());
}

// A table holding these parameters, in this order.
inline std::unique_ptr<rovik::ParameterTable> TableOf(
    const std::vector<std::pair<std::string, std::uint16_t>>& entries) {
    auto table = std::make_unique<rovik::ParameterTable>("unused");
    for (const auto& [name, pid] : entries) {
        auto parameter = std::make_unique<rovik::Parameter>();
        parameter->name = name;
        parameter->pid = pid;
        table->Append(std::move(parameter));
    }
    return table;
}

inline QListWidget& ListOf(QDialog& dialog) {
    return *dialog.findChild<QListWidget*>();
}

inline QStringList Entries(const QListWidget& list, bool selectedOnly = false) {
    QStringList names;
    for (int row = 0; row < list.count(); ++row) {
        if (!selectedOnly || list.item(row)->isSelected()) {
            names.append(list.item(row)->text());
        }
    }
    return names;
}

inline QStringList SelectedEntries(const QListWidget& list) {
    return Entries(list, true);
}

inline void ClickEntry(QListWidget& list, const QString& name) {
    QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list.scrollToItem(found.front());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(found.front()).center());
}

// Clicks on the button's indicator or first letters: a check box stretched by its layout
// does not react to clicks beyond its text.
inline void ClickButton(QDialog& dialog, const QString& text) {
    QAbstractButton& button = ButtonNamed(dialog, text);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
}

inline void ClickStandardButton(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

// The field whose label reads this, with or without its accelerator mark.
template <typename Field = QLineEdit>
Field& FieldLabelled(QWidget& dialog, const QString& label) {
    for (QLabel* shown : dialog.findChildren<QLabel*>()) {
        auto* field = qobject_cast<Field*>(shown->buddy());
        if (field && (shown->text() == label || shown->text().remove('&') == label)) {
            return *field;
        }
    }
    throw std::runtime_error("no field " + label.toStdString());
}

// Replaces the field's text as a user would.
inline void Retype(QLineEdit& field, const QString& text) {
    field.setFocus();
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
}

// Types the text into the field and presses OK: the dialog must say only this (in the
// messages a closer keeps), stay open and hand the focus back to the field, which then gets
// its earlier text again.
inline void ExpectRefused(QDialog& dialog, QLineEdit& field, const QString& text,
                          const QString& message, QStringList& messages) {
    SCOPED_TRACE(text.toStdString());
    const QString before = field.text();
    Retype(field, text);
    ClickStandardButton(dialog, QDialogButtonBox::Ok);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages, QStringList{message});
    EXPECT_EQ(dialog.focusWidget(), &field);
    messages.clear();
    Retype(field, before);
}

// The name a screen reader announces for the widget.
inline QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The control of this kind that a screen reader announces by this name.
template <typename Control>
Control& ControlNamed(QDialog& dialog, const QString& name) {
    for (Control* control : dialog.findChildren<Control*>()) {
        if (AccessibleName(control) == name) {
            return *control;
        }
    }
    throw std::runtime_error("no control " + name.toStdString());
}

// The names of the controls Tab visits, from the one with the focus round to it again.
inline QStringList TabCycle() {
    QWidget* first = QApplication::focusWidget();
    QStringList names;
    do {
        if (!first) {
            return {"(no focus)"};
        }
        names << AccessibleName(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != first && names.size() < 40);
    return names;
}

// Whether the user works the widget itself, not a part of another control (the field of a
// spin box, the scroll bar or header of a list).
inline bool IsControl(QWidget* widget) {
    if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
        qobject_cast<QAbstractItemView*>(widget->parentWidget()) ||
        qobject_cast<QScrollBar*>(widget)) {
        return false;
    }
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QAbstractSlider*>(widget) ||
           qobject_cast<QAbstractItemView*>(widget);
}

// The controls of the dialog that a screen reader cannot name or the keyboard cannot reach.
inline QStringList UnnamedOrUnreachable(QDialog& dialog) {
    QStringList faults;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (IsControl(widget) && widget->isVisibleTo(&dialog) &&
            (AccessibleName(widget).isEmpty() || widget->focusPolicy() == Qt::NoFocus)) {
            faults << widget->metaObject()->className() + (" " + AccessibleName(widget));
        }
    }
    return faults;
}

// Lets GoogleTest print texts, and so lists of them, readably.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
