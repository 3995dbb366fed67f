#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <filesystem>

#include "core/LocalZone.h"
#include "core/TempFolder.h"
#include "core/io/AtomicFile.h"
#include "core/io/ByteWriter.h"
#include "core/maint/MaintenanceFile.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/maint/ItemPropertiesDialog.h"
#include "ui/maint/MaintenanceInstanceDialog.h"
#include "ui/maint/MaintenanceTrackingDialog.h"

using namespace rovik;
using rovik::test::AnswerNext;
using rovik::test::ModalCloser;

namespace {
void ClickRow(QListWidget& list, int row) {
    ClickEntry(list, list.item(row)->text());
}

void Click(QDialog& dialog, const QString& button) {
    QTest::mouseClick(&ButtonNamed<QPushButton>(dialog, button), Qt::LeftButton);
}

// Answers the next Maintenance Item Properties dialog with these values, then OK.
void AnswerProperties(const QString& description, bool timeOnly, const QString& months,
                      const QString& milesOrNote) {
    AnswerNext<ItemPropertiesDialog>([=](ItemPropertiesDialog& properties) {
        Retype(FieldLabelled(properties, "&Description:"), description);
        ClickButton(properties, timeOnly ? "Time &Only" : "Time and &Mileage");
        Retype(FieldLabelled(properties, timeOnly ? "Mont&hs:" : "Mo&nths:"), months);
        Retype(FieldLabelled(properties, timeOnly ? "No&te:" : "M&iles:"), milesOrNote);
        ClickStandardButton(properties, QDialogButtonBox::Ok);
    });
}

struct MaintenanceTrackingDialogTest : ::testing::Test {
    MaintenanceTrackingDialogTest() { SetDistance(50000.0); }

    void SetDistance(double miles) {
        ByteWriter odometer;
        odometer.WriteDouble(miles);
        ASSERT_TRUE(AtomicFile::Write(folder.File(VehicleTotals::kFileName), odometer.Bytes()));
        totals.Load();
    }
    std::unique_ptr<MaintenanceTrackingDialog> Open() {
        auto dialog = std::make_unique<MaintenanceTrackingDialog>(totals, path, nullptr,
                                                                  [this] { return now; });
        ShowActive(*dialog);
        return dialog;
    }
    MaintenanceSchedule Saved() const { return MaintenanceFile::Load(path, now, 0.0).schedule; }
    std::vector<std::uint8_t> Bytes() const {
        return AtomicFile::Read(path).value_or(std::vector<std::uint8_t>{});
    }

    LocalZone zone;
    TempFolder folder;
    std::string path = folder.File(MaintenanceFile::kFileName);
    VehicleTotals totals{folder.File(VehicleTotals::kFileName)};
    Moment now = At(2024, 3, 1, 9, 30);
};
}  // namespace

TEST_F(MaintenanceTrackingDialogTest, AddPerformEditAndDeleteAreKeptInTheFileOnClose) {
    auto dialog = Open();
    QListWidget& scheduled = ControlNamed<QListWidget>(*dialog, "Maintenance Items Scheduled");
    QListWidget& completed = ControlNamed<QListWidget>(*dialog, "Maintenance Items Completed");
    QPlainTextEdit& serviceItems = FieldLabelled<QPlainTextEdit>(*dialog, "&Service Items:");
    EXPECT_FALSE(serviceItems.isEnabled());

    AnswerProperties("Annual inspection", true, "12", "Form 396");
    Click(*dialog, "&Add");
    AnswerProperties("Oil Change", false, "24", "10000");
    Click(*dialog, "&Add");
    // In due order, the new item selected.
    EXPECT_EQ(Entries(scheduled),
              QStringList({"Annual inspection\t12 Months\tDUE:\t03/01/2025",
                           "Oil Change\t24 Months, 10000 Miles\tDUE:\t03/01/2026  60000 Miles"}));
    ASSERT_TRUE(serviceItems.isEnabled());

    // Service items go to the selected item when their box loses the focus.
    ShowActive(*dialog);
    serviceItems.setFocus();
    QTest::keyClicks(&serviceItems, "Filter LF3000");
    QTest::keyClick(&serviceItems, Qt::Key_Return);
    QTest::keyClicks(&serviceItems, "10 gal 15W-40");
    QTest::keyClick(&serviceItems, Qt::Key_Tab);

    now = At(2024, 4, 2, 14, 0);
    SetDistance(52345.5);
    Click(*dialog, "&Perform");
    EXPECT_EQ(Entries(completed),
              QStringList{"Oil Change\t24 Months, 10000 Miles\t04/02/2024  52346 Miles"});
    EXPECT_EQ(FieldLabelled<QPlainTextEdit>(*dialog, "Se&rvice Items:").toPlainText(),
              "Filter LF3000\n10 gal 15W-40");

    AnswerNext<MaintenanceInstanceDialog>([](MaintenanceInstanceDialog& instance) {
        Retype(FieldLabelled(instance, "&Odometer:"), "52300");
        FieldLabelled<QDateEdit>(instance, "&Date Performed:").setDate(QDate(2024, 4, 1));
        ClickStandardButton(instance, QDialogButtonBox::Ok);
    });
    Click(*dialog, "Ed&it");
    EXPECT_EQ(Entries(completed),
              QStringList{"Oil Change\t24 Months, 10000 Miles\t04/01/2024  52300 Miles"});

    ClickRow(scheduled, 0);
    Click(*dialog, "&Delete");
    EXPECT_EQ(scheduled.count(), 1);
    EXPECT_TRUE(serviceItems.toPlainText().isEmpty());
    EXPECT_FALSE(serviceItems.isEnabled());

    const MaintenanceSchedule shown = dialog->Schedule();
    ASSERT_EQ(shown.items.size(), 1u);
    EXPECT_EQ(shown.items.front().instanceCount, 1u);
    EXPECT_TRUE(Bytes().empty()) << "written before the dialog closed";
    QTest::keyClick(&scheduled, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    MaintenanceSchedule expected = shown;
    // The file keeps dates only, which read back as noon.
    expected.items.front().lastInstanceTime = At(2024, 4, 2);
    expected.items.front().dueTime = At(2026, 4, 2);
    EXPECT_EQ(Saved(), expected);
}

TEST_F(MaintenanceTrackingDialogTest, PropertiesRefuseValuesOutOfRangeAndStayOpen) {
    ItemPropertiesDialog properties(ItemProperties::ForNew(now, 50000.0));
    ShowActive(properties);
    ModalCloser closer;
    const QString integers = "Please enter an integer between 0 and 999.";
    const QString cases[][4] = {
        {"Time and &Mileage", "Mo&nths:", "1000", integers},
        {"Time &Only", "Mil&es:", "1e7", "Please enter a number between 0 and 9999999.9."},
    };
    for (const auto& [choice, label, text, message] : cases) {
        ClickButton(properties, choice);
        ExpectRefused(properties, FieldLabelled(properties, label), text, message, closer.messages);
    }
    Retype(FieldLabelled(properties, "&Description:"), QString(40, 'D'));
    Retype(FieldLabelled(properties, "No&te:"), QString(20, 'N'));
    ClickStandardButton(properties, QDialogButtonBox::Ok);
    ASSERT_EQ(properties.result(), QDialog::Accepted);
    EXPECT_EQ(properties.Result().description, std::string(28, 'D'));
    EXPECT_EQ(properties.Result().note, std::string(15, 'N'));
    EXPECT_TRUE(properties.Result().timeOnly);
}

// Nothing changed: closing leaves the file as it was, even what the program would not write
// again.
TEST_F(MaintenanceTrackingDialogTest, AnUnchangedFileIsLeftAlone) {
    MaintenanceSchedule schedule;
    schedule.items = {MaintenanceItem(At(2024, 2, 1), 49000.0)};
    schedule.items.front().name = "Tires";
    std::vector<std::uint8_t> before = MaintenanceFile::ToBytes(schedule);
    before.insert(before.end(), {'n', 'o', 't', 'e', '\r', '\n'});
    ASSERT_TRUE(AtomicFile::Write(path, before));
    auto dialog = Open();
    EXPECT_TRUE(Entries(ControlNamed<QListWidget>(*dialog, "Maintenance Items Scheduled"))
                    .front()
                    .startsWith("Tires"));
    dialog->accept();
    EXPECT_EQ(Bytes(), before);
}

// A save that meets a folder in the file's place, or a file of another kind, asks first and
// writes only when the answer allows it.
TEST_F(MaintenanceTrackingDialogTest, ASaveThatMeetsTroubleAsksAndWritesOnlyWhenAllowed) {
    const std::vector<std::uint8_t> rawLog = {'R', 'a', 'w', ' ', 'L', 'o', 'g', '\r', '\n', 0xff};
    for (auto [folderInPlace, answer] :
         {std::pair{true, QMessageBox::Retry}, std::pair{true, QMessageBox::Discard},
          std::pair{false, QMessageBox::No}, std::pair{false, QMessageBox::Yes}}) {
        SCOPED_TRACE(answer);
        std::filesystem::remove(path);
        ASSERT_TRUE(folderInPlace || AtomicFile::Write(path, rawLog));
        auto dialog = Open();
        // A folder made after the dialog opened, which cannot be replaced.
        ASSERT_TRUE(!folderInPlace || std::filesystem::create_directory(path));
        AnswerProperties("Oil Change", false, "6", "10000");
        Click(*dialog, "&Add");
        AnswerNext<QMessageBox>([this, folder = folderInPlace, answer = answer](QMessageBox& box) {
            EXPECT_EQ(box.text() == "Error Saving File", folder);
            if (answer == QMessageBox::Retry) {
                std::filesystem::remove(path);
            }
            box.button(answer)->click();
        });
        dialog->accept();
        EXPECT_FALSE(dialog->isVisible());
        const bool allowed = answer == QMessageBox::Retry || answer == QMessageBox::Yes;
        EXPECT_EQ(Saved().items.size(), allowed ? 1u : 0u);
        EXPECT_EQ(Bytes() == rawLog, answer == QMessageBox::No);
    }
}
