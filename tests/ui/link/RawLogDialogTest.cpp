#include <QMessageBox>
#include <QTemporaryDir>

#include "core/link/RawLog.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/app/FilePath.h"
#include "ui/link/RawLogDialog.h"

using namespace rovik;

namespace {
struct RawLogDialogTest : ::testing::Test {
    QString Path(const QString& name) const { return folder.filePath(name); }
    void Open() {
        dialog = std::make_unique<RawLogDialog>(log);
        ShowActive(*dialog);
    }
    QLineEdit& Name() const { return *dialog->findChild<QLineEdit*>(); }
    QPushButton& SelectFile() const { return *dialog->findChild<QPushButton*>(); }
    bool Recording() const { return ButtonNamed(*dialog, "S&tart").isChecked(); }
    // Whether the name can be changed: only while nothing is recorded.
    bool NameOpen() const { return Name().isEnabled() && SelectFile().isEnabled(); }
    QByteArray Contents(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    RawLog log;
    std::unique_ptr<RawLogDialog> dialog;
};
}  // namespace

TEST_F(RawLogDialogTest, StartMakesTheLogAndHoldsItsNameUntilStop) {
    log.SetFileName(ToPath(Path("missing-folder/drive")));
    Open();
    ClickButton(*dialog, "S&tart");
    EXPECT_FALSE(log.IsOn()) << "a log that cannot be made stays stopped";
    EXPECT_FALSE(Recording());
    EXPECT_TRUE(NameOpen());

    Name().setText(Path("Trajet é"));
    ClickButton(*dialog, "S&tart");
    EXPECT_TRUE(log.IsOn());
    EXPECT_TRUE(QFile::exists(Path("Trajet é.rvk")));
    EXPECT_EQ(Name().text(), Path("Trajet é.rvk"));
    EXPECT_FALSE(NameOpen());

    // Reopened while recording, it says so; Stop works from the keyboard.
    dialog->accept();
    Open();
    EXPECT_TRUE(Recording());
    EXPECT_FALSE(NameOpen());
    QAbstractButton& stop = ButtonNamed(*dialog, "St&op");
    stop.setFocus();
    QTest::keyClick(&stop, Qt::Key_Space);
    EXPECT_FALSE(log.IsOn());
    EXPECT_FALSE(Recording());
    EXPECT_TRUE(NameOpen());
}

// A file that holds no more than the header is no recording and goes without a question.
TEST_F(RawLogDialogTest, StartAsksBeforeEmptyingAnEarlierRecording) {
    const QByteArray header = "Raw Log\r\n";
    const QByteArray recording = header + "J80547891\r\n";
    QFile earlier(Path("drive.rvk"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write(recording) > 0);
    earlier.close();
    log.SetFileName(ToPath(Path("drive")));
    Open();
    for (auto [answer, kept] : {std::pair{QMessageBox::No, true}, {QMessageBox::Yes, false}}) {
        QString asked;
        test::AnswerNext<QMessageBox>([&asked, answer = answer](QMessageBox& box) {
            asked = box.text();
            box.button(answer)->click();
        });
        ClickButton(*dialog, "S&tart");
        EXPECT_EQ(asked, Path("drive.rvk") + " already holds a recording.\nReplace it?");
        EXPECT_EQ(log.IsOn(), !kept);
        EXPECT_EQ(Recording(), !kept);
        EXPECT_EQ(Contents("drive.rvk"), kept ? recording : header);
    }
    ClickButton(*dialog, "St&op");
    test::ModalCloser closer;
    ClickButton(*dialog, "S&tart");
    EXPECT_TRUE(log.IsOn());
    EXPECT_EQ(closer.messages, QStringList());
}
