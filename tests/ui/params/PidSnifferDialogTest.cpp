#include <unistd.h>

#include <QFontInfo>
#include <QMessageBox>

#include "core/Described.h"
#include "core/params/AutomaticDefinitions.h"
#include "core/params/PidSniffer.h"
#include "core/values/PreferredSourceTable.h"
#include "support/TestLink.h"
#include "ui/ModalAnswer.h"
#include "ui/panels/DialogTestSupport.h"
#include "ui/params/PidSnifferDialog.h"

using namespace rovik;
using rovik::test::AnswerNext;

namespace {
// Engine speed and coolant temperature arrive, and a PID with no automatic definition;
// engine speed has a parameter already.
struct PidSnifferDialogTest : ::testing::Test {
    PidSnifferDialogTest() : table(TableOf({{"TACH", 190}})) {
        Store(190, 1500.0f);
        Store(110, 190.0f);
        Store(120, 150.0f);
    }
    void Store(unsigned pid, float value) {
        parts.values.Store().StoreValue(kEngineSlot, pid, value);
    }
    QStringList Expected() const {
        QStringList lines;
        for (const PidSniffer::Line& line : PidSniffer::Lines(parts.values, *table)) {
            lines << QString::fromLatin1(line.text.c_str());
        }
        return lines;
    }
    static int RowOf(QListWidget& list, unsigned pid) {
        for (int row = 0; row < list.count(); ++row) {
            if (list.item(row)->data(Qt::UserRole).toUInt() == pid) {
                return row;
            }
        }
        return -1;
    }
    static void Choose(QListWidget& list, unsigned pid) { list.setCurrentRow(RowOf(list, pid)); }
    // As the system sends a double click: a click, then the second press as a double click.
    static void DoubleClick(QListWidget& list, unsigned pid) {
        const QPoint at = list.visualItemRect(list.item(RowOf(list, pid))).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    }
    // The caption and text of the message that the action brings up.
    static QString MessageAfter(const std::function<void()>& action) {
        QString told;
        AnswerNext<QMessageBox>([&told](QMessageBox& box) {
            told = box.windowTitle() + ": " + box.text();
            box.accept();
        });
        action();
        return told;
    }

    test::TestLink parts{"/RovikSnifferDialogTest-" + std::to_string(::getpid())};
    std::unique_ptr<ParameterTable> table;
};
}  // namespace

TEST_F(PidSnifferDialogTest, ListsWhatArrivesInFixedPitchAndSniffsAgainOnRequest) {
    PidSnifferDialog dialog(*table, &parts.values);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    EXPECT_EQ(dialog.windowTitle(), "PID Sniffer");
    EXPECT_TRUE(QFontInfo(list.font()).fixedPitch());
    EXPECT_EQ(Entries(list), Expected());
    EXPECT_EQ(RowOf(list, 110), 0);
    EXPECT_TRUE(Entries(list)[RowOf(list, 190)].startsWith("PID 190   Engine Speed"));

    Choose(list, 120);
    const int before = list.count();
    Store(84, 55.0f);
    EXPECT_EQ(list.count(), before);
    ClickButton(dialog, "&Sniff Again");
    EXPECT_EQ(Entries(list), Expected());
    EXPECT_GE(RowOf(list, 84), 0);
    EXPECT_EQ(SelectedEntries(list), QStringList{Entries(list)[RowOf(list, 120)]});
}

TEST_F(PidSnifferDialogTest, SaysWhyNothingWasAdded) {
    PidSnifferDialog dialog(*table, &parts.values);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    const QString caption = "Automatic PID Definition: ";
    EXPECT_EQ(MessageAfter([&] { ClickButton(dialog, "&Add Parameter Definition"); }),
              caption + "Please select a PID to add.");
    Choose(list, 190);
    EXPECT_EQ(MessageAfter([&] { ClickButton(dialog, "&Add Parameter Definition"); }),
              caption + "Parameter is already defined.");
    EXPECT_EQ(MessageAfter([&] { DoubleClick(list, 120); }),
              caption + "Automatic definition is not available for this PID.");
    EXPECT_EQ(table->Size(), 1u);
}

TEST_F(PidSnifferDialogTest, AddsTheDefinitionOfTheChosenPidAndShowsItDefined) {
    PidSnifferDialog dialog(*table, &parts.values);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    DoubleClick(list, 110);
    ASSERT_EQ(table->Size(), 2u);
    EXPECT_EQ(Described(table->At(1)), Described(*AutomaticDefinitions::For(110)));
    EXPECT_EQ(SelectedEntries(list).size(), 1);
    EXPECT_TRUE(SelectedEntries(list).front().contains("  Defined  "));
    EXPECT_EQ(SelectedEntries(list).front().left(7), "PID 110");

    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text(), "Ok");
}
