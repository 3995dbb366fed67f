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

TEST_F(RawLogDialogTest, TheChosenOrTypedNameIsKeptWhenTheDialogCloses) {
    Open();
    EXPECT_EQ(Name().text(), "rawlog.rvk");
    rovik::test::ModalCloser closer;
    closer.fileToChoose = Path("chosen.rvk");
    QTest::mouseClick(&SelectFile(), Qt::LeftButton);
    EXPECT_EQ(closer.dialogs, QStringList{"Select File"});
    EXPECT_EQ(Name().text(), Path("chosen.rvk"));
    ClickStandardButton(*dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(log.FileName(), ToPath(Path("chosen.rvk")));
    EXPECT_FALSE(log.IsOn());

    Open();
    Name().setText(Path("typed"));
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(log.FileName(), ToPath(Path("typed")));
}
