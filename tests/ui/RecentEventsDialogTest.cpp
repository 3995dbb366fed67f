#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "ModalCloser.h"
#include "core/diag/FaultCollector.h"
#include "ui/app/CMainFrame.h"
#include "ui/diag/RecentEventsDialog.h"

using namespace rovik;

namespace {
int argc = 1;
char name[] = "rovik";
char* argv[] = {name, nullptr};

// Takes the files the dialog asks the desktop to open.
class Viewer : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

struct RecentEventsDialogTest : ::testing::Test {
    RecentEventsDialogTest() { faults.CreateHistoryIfMissing(); }

    QStringList Shown() const {
        QStringList lines;
        for (int row = 0; row < List().count(); ++row) {
            lines << List().item(row)->text();
        }
        return lines;
    }
    QListWidget& List() const { return *dialog->findChild<QListWidget*>(); }
    QPushButton& Button(const QString& text) const {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text().remove('&') == text) {
                return *button;
            }
        }
        throw std::runtime_error("no button " + text.toStdString());
    }
    // Answers the next question box with the button given.
    void Answer(QMessageBox::StandardButton choice) {
        QTimer::singleShot(50, [choice] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->button(choice)->click();
            }
        });
    }
    QByteArray History() const {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QApplication app{argc, argv};
    QTemporaryDir folder;
    std::string path = folder.filePath("DIAGNOSTICS.TXT").toStdString();
    FaultCollector faults{path};
    std::unique_ptr<RecentEventsDialog> dialog;
};
}  // namespace

TEST_F(RecentEventsDialogTest, ListsFaultsAlphabeticallyFollowsNewOnesAndClears) {
    faults.RecordFault(130, 177, 0, 1, true);
    faults.RecordFault(128, 3719, 16, 1, true);
    faults.RecordFault(136, 2, 0x34, 0, false);
    faults.RecordFault(128, 110, 0x23, 0, false);
    faults.RecordFault(128, 1, 0x35, 0, false);
    dialog = std::make_unique<RecentEventsDialog>(faults);
    dialog->show();
    const QStringList shown = Shown();
    ASSERT_EQ(shown.size(), 5);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_TRUE(shown[0].startsWith("ABS SID     2"));
    EXPECT_TRUE(shown[1].startsWith("ENG PID   110"));
    EXPECT_TRUE(shown[2].startsWith("ENG SID     1"));
    EXPECT_TRUE(shown[3].startsWith("ENG SPN  3719"));
    EXPECT_TRUE(shown[4].startsWith("TRN SPN   177"));

    faults.RecordFault(128, 100, 0x21, 0, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return List().count() == 6; }, 2000));
    EXPECT_TRUE(Shown()[1].startsWith("ENG PID   100"));

    QTest::mouseClick(&Button("Clear List"), Qt::LeftButton);
    EXPECT_EQ(List().count(), 0);
    EXPECT_EQ(faults.Count(), 0u);
    // A list of one fault, cleared and followed by another, shows the new one although the
    // running total is 1 again.
    faults.RecordFault(128, 110, 0x23, 0, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return List().count() == 1; }, 2000));
    QTest::mouseClick(&Button("Clear List"), Qt::LeftButton);
    faults.RecordFault(130, 177, 0, 1, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return List().count() == 1; }, 2000));
    EXPECT_TRUE(Shown().value(0).startsWith("TRN SPN   177"));
}

TEST_F(RecentEventsDialogTest, ViewHistoryHandsTheFileToTheDesktop) {
    Viewer viewer;
    QDesktopServices::setUrlHandler("file", &viewer, "Open");
    QFile::remove(QString::fromStdString(path));
    dialog = std::make_unique<RecentEventsDialog>(faults);
    dialog->show();
    QTest::mouseClick(&Button("View History"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(viewer.opened.size(), 1);
    EXPECT_EQ(viewer.opened[0], QUrl::fromLocalFile(QString::fromStdString(path)));
    EXPECT_EQ(History().toStdString(), DiagnosticHistory::kHeader) << "made again to be shown";
}

TEST_F(RecentEventsDialogTest, ClearHistoryAsksFirst) {
    faults.RecordFault(128, 110, 0x23, 0, false);
    const QByteArray written = History();
    ASSERT_GT(written.size(), static_cast<qsizetype>(DiagnosticHistory::kHeader.size()));
    dialog = std::make_unique<RecentEventsDialog>(faults);
    dialog->show();
    Answer(QMessageBox::No);
    QTest::mouseClick(&Button("Clear History"), Qt::LeftButton);
    EXPECT_EQ(History(), written);
    Answer(QMessageBox::Yes);
    QTest::mouseClick(&Button("Clear History"), Qt::LeftButton);
    EXPECT_EQ(History().toStdString(), DiagnosticHistory::kHeader);
    EXPECT_EQ(List().count(), 1) << "the list stays";
}

TEST_F(RecentEventsDialogTest, TheMenuAndF10OpenTheDialog) {
    rovik::test::ModalCloser closer;
    CMainFrame frame("/RovikDiagnosticsTest-" + std::to_string(::getpid()));
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_F10);
    ASSERT_EQ(closer.dialogs, QStringList{"Recent Diagnostic Events"});
    const QList<QAction*> actions = frame.menuBar()->actions();
    auto diagnostics = std::find_if(actions.begin(), actions.end(),
                                    [](QAction* a) { return a->text() == "&Diagnostics"; });
    ASSERT_NE(diagnostics, actions.end());
    (*diagnostics)->trigger();
    EXPECT_EQ(closer.dialogs.size(), 2);
}

#include "RecentEventsDialogTest.moc"
