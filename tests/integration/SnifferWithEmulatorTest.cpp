#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <filesystem>
#include <fstream>

#include "Waiting.h"
#include "core/Described.h"
#include "core/values/PreferredSourceTable.h"
#include "support/PlayToTheEnd.h"
#include "support/TestLink.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/params/PidSnifferDialog.h"
#include "vxbsim/DemoDrive.h"

using namespace rovik;

namespace {
// The caption and text of the message that the action brings up.
QString MessageAfter(const std::function<void()>& action) {
    QString told;
    test::AnswerNext<QMessageBox>([&told](QMessageBox& box) {
        told = box.windowTitle() + ": " + box.text();
        box.accept();
    });
    action();
    return told;
}
}  // namespace

// The sniffer on two minutes of the emulator's drive, replayed, with a parameter for engine
// speed only.
TEST(SnifferWithEmulator, ListsWhatTheDriveSendsAndAddsDefinitionsForIt) {
    int argc = 1;
    char name[] = "rovik";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("rovik-sniffer-" + std::to_string(::getpid()) + ".rvk");
    std::ofstream(path, std::ios::binary) << vxbsim::DemoDrive::Record(2);
    test::TestLink parts(test::UniqueBlock(), true);
    parts.link.SetPortName(path.string());
    parts.link.SetConnectionType(ConnectionType::Vx100Serial);
    test::PlayToTheEnd(parts.link);
    std::filesystem::remove(path);
    std::unique_ptr<ParameterTable> table = TableOf({{"TACH", 190}});
    PidSnifferDialog dialog(*table, &parts.values);
    ShowActive(dialog);
    QListWidget& list = ListOf(dialog);
    auto row = [&list](unsigned pid) {
        return list.findItems(QString::asprintf("PID %3u ", pid), Qt::MatchStartsWith).value(0);
    };

    // In number order, the derived numbers by their own names, the others by their
    // components', each with its raw value; the brakes send no road speed, so no 7.
    EXPECT_TRUE(QFontInfo(list.font()).fixedPitch());
    EXPECT_EQ(row(7), nullptr);
    const std::pair<unsigned, const char*> lines[] = {
        {13, "PID  13   Transmission Mode (DERIVED)     Undefined"},
        {110, "PID 110   Engine Coolant Temperature      Undefined"},
        {190, "PID 190   Engine Speed                    Defined  "},
        {412, "PID 412   EGR Exhaust Gas Temperature     Undefined"},
        {504, "PID 504   Max Trans Temp (DERIVED)        Undefined"},
    };
    int previous = -1;
    for (const auto& [pid, start] : lines) {
        ASSERT_NE(row(pid), nullptr) << pid;
        EXPECT_EQ(row(pid)->text(), start + QString::asprintf("%9.1f", parts.values.GetValue(pid)));
        EXPECT_GT(list.row(row(pid)), previous);
        previous = list.row(row(pid));
    }

    auto add = [&](unsigned pid) {
        list.setCurrentItem(row(pid));
        ClickButton(dialog, "&Add Parameter Definition");
    };
    // As the system sends a double click: a click, then the second press as a double click.
    auto doubleClick = [&](unsigned pid) {
        const QPoint at = list.visualItemRect(row(pid)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    };
    const QString caption = "Automatic PID Definition: ";
    EXPECT_EQ(MessageAfter([&] { ClickButton(dialog, "&Add Parameter Definition"); }),
              caption + "Please select a PID to add.");
    EXPECT_EQ(MessageAfter([&] { add(190); }), caption + "Parameter is already defined.");
    EXPECT_EQ(MessageAfter([&] { doubleClick(117); }),
              caption + "Automatic definition is not available for this PID.");
    // The added definition is road speed's row in full.
    doubleClick(84);
    ASSERT_EQ(table->Size(), 2u);
    EXPECT_EQ(Described(table->At(1)), "Road Speed|SPEED|MPH|%.0f|84|0..90|0 0 / 55 75|0 x 1");
    EXPECT_EQ(SelectedEntries(list), QStringList{row(84)->text()});
    EXPECT_TRUE(row(84)->text().contains("  Defined  "));

    // Nothing is added that the file could not keep.
    while (!table->IsFull()) {
        table->Append(std::make_unique<Parameter>());
    }
    EXPECT_EQ(MessageAfter([&] { add(100); }),
              caption +
                  "PARAMTRS.DAT keeps at most 255 parameters. Please delete one in the "
                  "Parameter Editor before adding another.");
    // Sniff Again lists what arrived since, keeping the choice.
    parts.values.Store().StoreValue(kEngineSlot, 120, 150.0f);
    ClickButton(dialog, "&Sniff Again");
    ASSERT_NE(row(120), nullptr);
    EXPECT_EQ(SelectedEntries(list), QStringList{row(100)->text()});
    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
