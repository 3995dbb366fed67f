#include <QMessageBox>
#include <QTemporaryDir>

#include "core/diag/FaultCollector.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/UrlRecorder.h"
#include "ui/app/FilePath.h"
#include "ui/diag/RecentEventsDialog.h"

using namespace rovik;

namespace {
struct RecentEventsDialogTest : ::testing::Test {
    RecentEventsDialogTest() {
        faults.CreateHistoryIfMissing();
        faults.RecordFault(130, 177, 0, 1, true);
        faults.RecordFault(128, 110, 0x23, 0, false);
        faults.RecordFault(136, 2, 0x34, 0, false);
        dialog = std::make_unique<RecentEventsDialog>(faults);
        dialog->show();
    }
    // The first letters of each line: source, kind and number.
    QStringList Shown() {
        QStringList starts;
        for (const QString& line : Entries(*dialog)) {
            starts << line.left(13);
        }
        return starts;
    }
    bool ShowsSoon(const QStringList& starts) {
        return QTest::qWaitFor([&] { return Shown() == starts; }, 2000);
    }
    void Click(const QString& button) {
        QTest::mouseClick(&ButtonNamed(*dialog, button), Qt::LeftButton);
    }
    // Clicks the button and answers the question it asks with the choice given.
    void ClickAndAnswer(const QString& button, QMessageBox::StandardButton choice) {
        rovik::test::AnswerNext<QMessageBox>(
            [choice](QMessageBox& box) { box.button(choice)->click(); });
        Click(button);
    }
    QByteArray History() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    QString path = folder.filePath("Diagnostics é.TXT");
    FaultCollector faults{ToPath(path)};
    std::unique_ptr<RecentEventsDialog> dialog;
};
}  // namespace

TEST_F(RecentEventsDialogTest, ListsFaultsAlphabeticallyFollowsNewOnesAndClears) {
    EXPECT_EQ(Shown(), QStringList({"ABS SID     2", "ENG PID   110", "TRN SPN   177"}));
    faults.RecordFault(128, 100, 0x21, 0, false);
    EXPECT_TRUE(ShowsSoon({"ABS SID     2", "ENG PID   100", "ENG PID   110", "TRN SPN   177"}));

    Click("C&lear List");
    EXPECT_EQ(Shown(), QStringList());
    EXPECT_EQ(faults.Count(), 0u);
    // A list of one fault, cleared and followed by another, shows the new one although the
    // running total is 1 again.
    faults.RecordFault(128, 110, 0x23, 0, false);
    ASSERT_TRUE(ShowsSoon({"ENG PID   110"}));
    Click("C&lear List");
    faults.RecordFault(130, 177, 0, 1, true);
    EXPECT_TRUE(ShowsSoon({"TRN SPN   177"}));
}

TEST_F(RecentEventsDialogTest, ClearHistoryAsksFirstAndViewHistoryMakesTheFileAgainIfNeeded) {
    const QByteArray written = History();
    ASSERT_GT(written.size(), static_cast<qsizetype>(DiagnosticHistory::kHeader.size()));
    ClickAndAnswer("Clear &History", QMessageBox::No);
    EXPECT_EQ(History(), written);
    ClickAndAnswer("Clear &History", QMessageBox::Yes);
    EXPECT_EQ(History().toStdString(), DiagnosticHistory::kHeader);
    EXPECT_EQ(Shown().size(), 3) << "the list stays";

    rovik::test::UrlRecorder viewer;
    QFile::remove(path);
    Click("&View History");
    EXPECT_EQ(viewer.opened, std::vector{QUrl::fromLocalFile(path)});
    EXPECT_EQ(History().toStdString(), DiagnosticHistory::kHeader);
}
