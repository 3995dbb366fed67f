#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/params/ParameterTable.h"

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

// Shows the dialog and makes it the active window, so keys and shortcuts reach it.
inline void ShowActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

inline QListWidget& ListOf(QDialog& dialog) {
    return *dialog.findChild<QListWidget*>();
}

inline QStringList Entries(const QListWidget& list) {
    QStringList names;
    for (int row = 0; row < list.count(); ++row) {
        names.append(list.item(row)->text());
    }
    return names;
}

inline QStringList SelectedEntries(const QListWidget& list) {
    QStringList names;
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->isSelected()) {
            names.append(list.item(row)->text());
        }
    }
    return names;
}

inline void ClickEntry(QListWidget& list, const QString& name) {
    QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list.scrollToItem(found.front());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(found.front()).center());
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

// Clicks on the button's indicator or first letters: a check box stretched by its layout
// does not react to clicks beyond its text.
inline void ClickButton(QDialog& dialog, const QString& text) {
    QAbstractButton& button = ButtonNamed(dialog, text);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
}

inline void ClickStandardButton(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QTest::mouseClick(buttons->button(which), Qt::LeftButton);
}

// The focus chain from the widget that now has the focus, as far as the dialog's OK button.
inline std::vector<QWidget*> TabChainToOk(QDialog& dialog) {
    QWidget* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    std::vector<QWidget*> chain{QApplication::focusWidget()};
    for (int i = 0; i < 30 && chain.back() != ok; ++i) {
        QTest::keyClick(chain.back(), Qt::Key_Tab);
        chain.push_back(QApplication::focusWidget());
    }

    return chain;
}

// Lets GoogleTest print texts, and so lists of them, readably.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
