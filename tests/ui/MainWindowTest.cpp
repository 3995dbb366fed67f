#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "ModalAnswer.h"
#include "ModalCloser.h"
#include "core/app/CommandLine.h"
#include "core/app/ScreenFile.h"
#include "core/app/SettingsFile.h"
#include "core/values/PreferredSourceTable.h"
#include "panels/DialogTestSupport.h"
#include "ui/app/CMainFrame.h"
#include "ui/panels/Panel.h"
#include "ui/params/EngineCorrectionsDialog.h"

using namespace rovik;

using rovik::test::ModalCloser;

namespace {
// An application whose working folder is a fresh temporary one for the test's length.
struct InFreshFolder : ::testing::Test {
    InFreshFolder() : previous(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
    ~InFreshFolder() override { QDir::setCurrent(previous); }

    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    QTemporaryDir folder;
    QString previous;
};
}  // namespace

TEST_F(InFreshFolder, MainWindowStartsTicksAndShutsDownCleanly) {
    std::string block = "/RovikUiTest-" + std::to_string(::getpid());
    CMainFrame frame(block);
    frame.show();
    ModalCloser closer;
    frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
    EXPECT_EQ(closer.messages,
              QStringList({"Failed to Open PARAMTRS.DAT",
                           "Caterpillar 3126 250\n has failed to load properly.\nTorque and "
                           "Horsepower readings may be inaccurate until you select an engine "
                           "file.",
                           "Error Reading File"}));
    // The user is offered another engine file at once.
    EXPECT_EQ(closer.dialogs, QStringList{"Engine Type"});
    EXPECT_EQ(frame.windowTitle(), "Rovik");
    EXPECT_TRUE(frame.Main().MainTimer().isActive());
    EXPECT_EQ(frame.Main().MainTimer().interval(), 100);
    Dashboard& state = frame.Main().State();
    ASSERT_NE(state.Link(), nullptr);
    EXPECT_EQ(state.Parameters().Size(), 1u);
    EXPECT_EQ(state.Link()->GetPortName(), "missing.rvk");
    EXPECT_TRUE(state.Threads()->IsRunning());

    frame.close();
    EXPECT_FALSE(frame.Main().MainTimer().isActive());
    EXPECT_EQ(state.Link(), nullptr);
    EXPECT_EQ(state.Parameters().Size(), 0u);
}

TEST_F(InFreshFolder, MainWindowStartRestoresTheSavedPlacementAndSaveSettingsKeepsTheCurrentOne) {
    Settings saved;
    saved.screenFileName = "TRUCK.SCR";
    saved.windowPlacement.left = 30;
    saved.windowPlacement.top = 40;
    saved.windowPlacement.right = 630;
    saved.windowPlacement.bottom = 440;
    ASSERT_TRUE(SettingsFile().Write(saved));

    CMainFrame frame("/RovikUiTest-" + std::to_string(::getpid()));
    ModalCloser closer;
    frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.geometry(), QRect(30, 40, 600, 400));

    frame.setGeometry(100, 110, 500, 300);
    EXPECT_TRUE(frame.Main().SaveSettings());
    Settings kept = SettingsFile().Read();
    EXPECT_EQ(kept.screenFileName, "TRUCK.SCR");
    EXPECT_EQ(kept.windowPlacement, frame.CurrentPlacement());
    EXPECT_EQ(kept.windowPlacement.right, 600);

    // A folder in the file's place cannot be replaced: the user is told.
    QFile::remove("SETTINGS.DAT");
    ASSERT_TRUE(QDir(folder.path()).mkpath("SETTINGS.DAT/inside"));
    EXPECT_FALSE(frame.Main().SaveSettings());
    ASSERT_FALSE(closer.messages.isEmpty());
    EXPECT_TRUE(closer.messages.last().startsWith("Failed to Save SETTINGS.DAT"));
    frame.close();
}

namespace {
// A started dashboard in a fresh working folder that holds the supplied engine file.
struct EngineTest : InFreshFolder {
    EngineTest() {
        QFile::copy(ROVIK_SUPPLIED_DIR "/Caterpillar 3126 250", "Caterpillar 3126 250");
        frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
    }
    ~EngineTest() override { frame.close(); }
    QString File(const QString& name) const { return folder.filePath(name); }
    double HorsepowerAt(float rpm) {
        LiveValues& link = *frame.Main().State().Values();
        link.Store().StoreValue(kEngineSlot, 190, rpm);
        link.Store().StoreValue(kEngineSlot, 92, 100.0f);
        return link.GetValue(509);
    }

    ModalCloser closer;
    CMainFrame frame{"/RovikEngineTest-" + std::to_string(::getpid())};
};
}  // namespace

TEST_F(EngineTest, TheSuppliedEngineFileLoadsAtStartUp) {
    EXPECT_FALSE(closer.dialogs.contains("Engine Type"));
    EXPECT_EQ(HorsepowerAt(2200.0f), 250.0);
}

TEST_F(EngineTest, EngineTypeLoadsTheChosenFileOrSaysItFailedAndSavesTheSettings) {
    // A pipe is no engine file, and reading one would never end.
    ASSERT_EQ(::mkfifo(File("pipe.eng").toLocal8Bit().constData(), 0600), 0);
    closer.fileToChoose = File("pipe.eng");
    frame.Main().ChooseEngineType();
    EXPECT_EQ(closer.dialogs, QStringList{"Engine Type"});
    ASSERT_FALSE(closer.messages.isEmpty());
    EXPECT_EQ(closer.messages.last(), File("pipe.eng") +
                                          "\n has failed to load properly.\nTorque and Horsepower "
                                          "readings may be inaccurate.");
    EXPECT_EQ(SettingsFile().Read().engineFileName, "");
    EXPECT_EQ(HorsepowerAt(2200.0f), 250.0);

    QFile::copy("Caterpillar 3126 250", "truck.eng");
    closer.fileToChoose = File("truck.eng");
    closer.messages.clear();
    frame.Main().ChooseEngineType();
    EXPECT_TRUE(closer.messages.isEmpty());
    EXPECT_EQ(SettingsFile().Read().engineFileName, File("truck.eng").toStdString());
    // The program's own files are still found where they were.
    EXPECT_EQ(QDir::current(), QDir(folder.path()));

    // Cancelling changes nothing.
    frame.Main().ChooseEngineType();
    EXPECT_EQ(closer.dialogs.size(), 3);
    EXPECT_EQ(SettingsFile().Read().engineFileName, File("truck.eng").toStdString());
}

TEST_F(EngineTest, EngineCorrectionsSaveTheParametersAndTheSettings) {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<EngineCorrectionsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("OdometerMultiplier")->setText("1.05");
        QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
        fields[9]->setText("300");
        fields[10]->setText("244");
        dialog->findChildren<QCheckBox*>().front()->setChecked(true);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    frame.Main().EditEngineCorrections();

    ParameterTable saved;
    ASSERT_EQ(saved.Load(), ParameterTable::LoadResult::Loaded);
    ASSERT_EQ(saved.Size(), 2u);
    EXPECT_EQ(saved.At(0).name, "ROAD SPEED");
    EXPECT_EQ(saved.At(0).multiplier, 1.05f);
    EXPECT_EQ(saved.At(1).name, "Total Miles (Alternative)");
    EXPECT_EQ(saved.At(1).multiplier, 1.05f);
    Settings settings = SettingsFile().Read();
    EXPECT_EQ(settings.odometerPid, 244);
    EXPECT_EQ(settings.rollingMpgBufferSize, 300u);
    EXPECT_TRUE(settings.requestFuelmeter);
    EXPECT_FALSE(settings.requestOdometer);
    EXPECT_EQ(frame.Main().State().Values()->Derived().AverageWindow(), 300u);
}

namespace {
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

std::vector<std::string> Names(const ParameterTable& table) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < table.Size(); ++i) {
        names.push_back(table.At(i).name);
    }
    return names;
}
}  // namespace

// The Parameter Editor and the PID Sniffer change the live table; OK saves it and Cancel
// reads the file again, and the gauges show the table as it then stands.
TEST_F(InFreshFolder, ParameterDialogsSaveOnOkReadTheFileAgainOnCancelAndRepaintTheGauges) {
    ParameterTable file;
    Screen screen;
    for (std::uint16_t pid : {84, 190}) {
        file.Append(std::make_unique<Parameter>());
        file.At(file.Size() - 1).pid = pid;
        file.At(file.Size() - 1).name = "P" + std::to_string(pid);
        SimpleGaugeRecord gauge;
        gauge.rect = {pid, 0, pid + 80, 80};
        gauge.pid = pid;
        screen.panels.emplace_back(gauge);
    }
    ASSERT_TRUE(file.Save() && ScreenFile::Write("DEFAULT.SCR", screen));
    CMainFrame frame("/RovikParameterDialogsTest-" + std::to_string(::getpid()));
    std::optional<ModalCloser> closer(std::in_place);
    frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
    closer.reset();
    const ParameterTable& live = frame.Main().State().Parameters();
    auto inFile = [&file] {
        file.Reload();
        return Names(file);
    };
    auto choose = [&frame](const QString& command, QDialogButtonBox::StandardButton button,
                           std::function<void(QDialog&)> edit) {
        test::AnswerNext<QDialog>([button, edit](QDialog& dialog) {
            edit(dialog);
            QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(button),
                              Qt::LeftButton);
        });
        for (QAction* action : frame.menuBar()->findChildren<QAction*>()) {
            if (action->text() == command) {
                action->trigger();
            }
        }
        QTest::qWait(20);
    };

    ASSERT_EQ(frame.Main().Panels().size(), 2u);
    PaintCounter first(frame.Main().Panels()[0]);
    PaintCounter second(frame.Main().Panels()[1]);
    choose("P&arameter Editor...", QDialogButtonBox::Ok, [](QDialog& dialog) {
        QTest::keyClicks(dialog.findChildren<QLineEdit*>().front(), "0");
    });
    EXPECT_EQ(inFile(), (std::vector<std::string>{"P84", "P1900"}));
    EXPECT_GT(first.count, 0);
    EXPECT_GT(second.count, 0);
    choose("P&arameter Editor...", QDialogButtonBox::Cancel, [](QDialog& dialog) {
        ClickButton(dialog, "&Delete");
        ClickButton(dialog, "&New");
    });
    EXPECT_EQ(Names(live), inFile());
    frame.Main().State().Values()->Store().StoreValue(kEngineSlot, 110, 180.0f);
    for (auto button : {QDialogButtonBox::Cancel, QDialogButtonBox::Ok}) {
        choose("&PID Sniffer...", button, [](QDialog& dialog) {
            dialog.findChild<QListWidget*>()->setCurrentRow(0);
            ClickButton(dialog, "&Add Parameter Definition");
        });
    }
    EXPECT_EQ(inFile(), (std::vector<std::string>{"P84", "P1900", "Engine Coolant Temp"}));
    EXPECT_EQ(Names(live), inFile());

    // A folder in the file's place can be neither replaced nor read: the user is told, and
    // the table stays as it was rather than down to one default parameter.
    QFile::remove("PARAMTRS.DAT");
    ASSERT_TRUE(QDir(folder.path()).mkpath("PARAMTRS.DAT/inside"));
    QStringList told;
    for (auto button : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) {
        choose("P&arameter Editor...", button, [&told](QDialog&) {
            test::AnswerNext<QMessageBox>([&told](QMessageBox& box) {
                told << box.text().left(27);
                box.accept();
            });
        });
    }
    EXPECT_EQ(told, QStringList({"Failed to Save PARAMTRS.DAT", "Failed to Open PARAMTRS.DAT"}));
    EXPECT_EQ(Names(live), (std::vector<std::string>{"P84", "P1900", "Engine Coolant Temp"}));
    frame.close();
}
