#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "ModalAnswer.h"
#include "ModalCloser.h"
#include "core/app/CommandLine.h"
#include "core/link/RawLog.h"
#include "ui/app/CMainFrame.h"
#include "ui/link/RawLogDialog.h"

using namespace rovik;

using rovik::test::ModalCloser;

namespace {
struct RawLogDialogTest : ::testing::Test {
    QString Path(const QString& name) const { return folder.filePath(name); }
    QLineEdit& Name() const { return *dialog->findChild<QLineEdit*>(); }
    QRadioButton& Choice(const QString& text) const {
        for (QRadioButton* button : dialog->findChildren<QRadioButton*>()) {
            if (button->text().remove('&') == text)
                return *button;
        }
        throw std::runtime_error("no such choice");
    }
    // On its round mark: a radio button takes clicks on its mark and text only.
    void Click(const QString& text) const {
        QRadioButton& button = Choice(text);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
    }
    QPushButton& SelectFile() const { return *dialog->findChild<QPushButton*>(); }
    void Open() {
        dialog = std::make_unique<RawLogDialog>(log);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    QByteArray Contents(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    QTemporaryDir folder;
    RawLog log;
    std::unique_ptr<RawLogDialog> dialog;
};
}  // namespace

TEST_F(RawLogDialogTest, StartMakesTheLogAndHoldsItsNameUntilStop) {
    log.SetFileName(Path("Drive").toStdString());
    Open();
    EXPECT_EQ(Name().text(), Path("Drive"));
    EXPECT_TRUE(Choice("Stop").isChecked());
    Click("Start");
    EXPECT_TRUE(log.IsOn());
    EXPECT_EQ(Contents("Drive.rvk"), QByteArray("Raw Log\r\n"));
    EXPECT_EQ(Name().text(), Path("Drive.rvk"));
    EXPECT_FALSE(Name().isEnabled());
    EXPECT_FALSE(SelectFile().isEnabled());

    // Reopened while recording, it says so.
    dialog->accept();
    Open();
    EXPECT_TRUE(Choice("Start").isChecked());
    EXPECT_FALSE(Name().isEnabled());
    Choice("Stop").setFocus();
    QTest::keyClick(&Choice("Stop"), Qt::Key_Space);
    EXPECT_FALSE(log.IsOn());
    EXPECT_TRUE(Choice("Stop").isChecked());
    EXPECT_TRUE(Name().isEnabled());
    EXPECT_TRUE(SelectFile().isEnabled());
}

// A file that holds no more than the header is no recording and goes without a question.
TEST_F(RawLogDialogTest, StartAsksBeforeEmptyingAnEarlierRecording) {
    const QByteArray header = "Raw Log\r\n";
    const QByteArray recording = header + "J80547891\r\n";
    QFile earlier(Path("drive.rvk"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write(recording);
    earlier.close();
    log.SetFileName(Path("drive").toStdString());
    Open();
    for (auto [answer, kept] : {std::pair{QMessageBox::No, true}, {QMessageBox::Yes, false}}) {
        QString asked;
        test::AnswerNext<QMessageBox>([&asked, answer = answer](QMessageBox& box) {
            asked = box.text();
            box.button(answer)->click();
        });
        Click("Start");
        EXPECT_EQ(asked, Path("drive.rvk") + " already holds a recording.\nReplace it?");
        EXPECT_EQ(log.IsOn(), !kept);
        EXPECT_EQ(Choice("Start").isChecked(), !kept);
        EXPECT_EQ(Contents("drive.rvk"), kept ? recording : header);
    }
    Click("Stop");
    ModalCloser closer;
    Click("Start");
    EXPECT_TRUE(log.IsOn());
    EXPECT_EQ(closer.messages, QStringList());
}

TEST_F(RawLogDialogTest, ALogThatCannotBeMadeStaysStopped) {
    log.SetFileName(Path("missing-folder/drive").toStdString());
    Open();
    Click("Start");
    EXPECT_FALSE(log.IsOn());
    EXPECT_TRUE(Choice("Stop").isChecked());
    EXPECT_TRUE(Name().isEnabled());
}

TEST_F(RawLogDialogTest, TheChosenOrTypedNameIsKeptWhenTheDialogCloses) {
    Open();
    EXPECT_EQ(Name().text(), "rawlog.rvk");
    ModalCloser closer;
    closer.fileToChoose = Path("chosen.rvk");
    QTest::mouseClick(&SelectFile(), Qt::LeftButton);
    EXPECT_EQ(closer.dialogs, QStringList{"Select File"});
    EXPECT_EQ(Name().text(), Path("chosen.rvk"));
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(log.FileName(), Path("chosen.rvk").toStdString());
    EXPECT_FALSE(log.IsOn());

    Open();
    Name().setText(Path("typed"));
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(log.FileName(), Path("typed").toStdString());
}

// Whether Advanced, Raw Log can be chosen once the program started with this command line.
bool RawLogOffered(const std::string& commandLine) {
    ModalCloser closer;
    CMainFrame frame("/RovikRawLogUiTest-" + std::to_string(::getpid()));
    frame.show();
    frame.Main().Start(CommandLine(commandLine));
    QMenu* advanced = nullptr;
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == "&Advanced")
            advanced = action->menu();
    }
    for (QAction* action : advanced->actions()) {
        if (action->text() == "Raw &Log...") {
            EXPECT_EQ(action->statusTip(), "Save raw vehicle data for expert analysis.");
            emit advanced->aboutToShow();
            return action->isEnabled();
        }
    }
    ADD_FAILURE() << "no Raw Log item";
    return false;
}

TEST_F(RawLogDialogTest, TheMenuItemIsOffWhileARecordingPlays) {
    QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    EXPECT_FALSE(RawLogOffered("rovik demo=missing.rvk"));
    EXPECT_TRUE(RawLogOffered("rovik"));
    QDir::setCurrent(previous);
}
