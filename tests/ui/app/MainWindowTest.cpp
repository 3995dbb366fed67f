#include <sys/stat.h>

#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "core/app/ScreenFile.h"
#include "core/app/SettingsFile.h"
#include "ui/StartedDashboard.h"
#include "ui/app/FilePath.h"

using namespace rovik;

namespace {
using MainWindowTest = rovik::test::StartedDashboard;

std::vector<std::string> Names(const ParameterTable& table) {
    std::vector<std::string> names(table.Size());
    for (std::size_t i = 0; i < table.Size(); ++i) {
        names[i] = table.At(i).name;
    }
    return names;
}

// Started with the supplied engine file in the working folder.
struct MainWindowEngineTest : MainWindowTest {
    MainWindowEngineTest() {
        QFile::copy(ROVIK_SUPPLIED_DIR "/Caterpillar 3126 250", "Caterpillar 3126 250");
        Start();
    }
};
}  // namespace

TEST_F(MainWindowTest, StartsSaysWhatWentWrongInTheSystemsEncodingAndShutsDownCleanly) {
    Settings settings;
    settings.engineFileName = ToPath("Moteur é 250");
    ASSERT_TRUE(SettingsFile().Write(settings));
    Start();
    EXPECT_EQ(closer->messages,
              QStringList({"Failed to Open PARAMTRS.DAT",
                           "Moteur é 250\n has failed to load properly.\nTorque and Horsepower "
                           "readings may be inaccurate until you select an engine file.",
                           "Error Reading File"}));
    // The user is offered another engine file at once.
    EXPECT_EQ(closer->dialogs, QStringList{"Engine Type"});
    EXPECT_TRUE(Main().Panels().empty());
    EXPECT_TRUE(Main().MainTimer().isActive());
    EXPECT_EQ(Main().State().Link()->GetPortName(), "missing.rvk");

    frame.close();
    EXPECT_FALSE(Main().MainTimer().isActive());
    EXPECT_EQ(Main().State().Link(), nullptr);
}

TEST_F(MainWindowTest, SaveSettingsKeepsTheCurrentPlacementOrSaysWhyItCannot) {
    Settings saved;
    saved.screenFileName = "TRUCK.SCR";
    ASSERT_TRUE(SettingsFile().Write(saved));
    Start();
    frame.setGeometry(100, 110, 500, 300);
    EXPECT_TRUE(Main().SaveSettings());
    EXPECT_EQ(SettingsFile().Read().screenFileName, "TRUCK.SCR");
    EXPECT_EQ(SettingsFile().Read().windowPlacement, frame.CurrentPlacement());

    // A folder in the file's place cannot be replaced: the user is told.
    QFile::remove("SETTINGS.DAT");
    ASSERT_TRUE(QDir(folder.path()).mkpath("SETTINGS.DAT/inside"));
    EXPECT_FALSE(Main().SaveSettings());
    EXPECT_TRUE(closer->messages.last().startsWith("Failed to Save SETTINGS.DAT"));
}

TEST_F(MainWindowTest, ScreensKeepTheirPanelsStackingAndFileNewKeepsTheScreensName) {
    Start();
    Main().NewPanel(OdometerRecord());
    Main().Panels().back()->move(16, 16);
    Main().NewPanel(TankMinderRecord());
    Settle();
    ASSERT_TRUE(Main().WriteScreen("TWO.SCR"));
    std::optional<Screen> saved = ScreenFile::Read("TWO.SCR");
    // The tank minder was made last, so it was on top and is written first. New panels count
    // in files of their own.
    ASSERT_EQ(saved->panels.size(), 2u);
    const auto& tank = std::get<TankMinderRecord>(saved->panels[0]);
    const auto& odometer = std::get<OdometerRecord>(saved->panels[1]);
    EXPECT_EQ(odometer.rect.left, 16);
    EXPECT_TRUE(QFile::exists(FromPath(odometer.tripFilePath)));
    EXPECT_TRUE(QFile::exists(FromPath(tank.tankFilePath)));

    // File New has no shortcut, since Save after it would empty the screen file.
    Activate();
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(Main().Panels().size(), 2u);
    Main().NewScreen();
    Settle();
    EXPECT_TRUE(Main().Panels().empty());
    Main().SaveScreen();
    EXPECT_TRUE(ScreenFile::Read("DEFAULT.SCR")->panels.empty());

    closer->dialogs.clear();
    ASSERT_TRUE(Main().ReadScreen("TWO.SCR"));
    Settle();
    EXPECT_TRUE(closer->dialogs.empty()) << "panels from a file open no properties";
    EXPECT_EQ(Main().CurrentScreen().panels,
              std::vector(saved->panels.rbegin(), saved->panels.rend()));
}

TEST_F(MainWindowEngineTest, EngineTypeLoadsTheChosenFileOrSaysItFailedAndSavesTheSettings) {
    EXPECT_EQ(closer->dialogs, QStringList()) << "the supplied engine file loads at start";
    // A pipe is no engine file, and reading one would never end.
    ASSERT_EQ(::mkfifo("pipe.eng", 0600), 0);
    closer->fileToChoose = File("pipe.eng");
    Main().ChooseEngineType();
    EXPECT_EQ(closer->messages.last(), File("pipe.eng") +
                                           "\n has failed to load properly.\nTorque and "
                                           "Horsepower readings may be inaccurate.");
    EXPECT_EQ(SettingsFile().Read().engineFileName, "");

    closer->messages.clear();
    QFile::copy("Caterpillar 3126 250", File("camión é.eng"));
    closer->fileToChoose = File("camión é.eng");
    Main().ChooseEngineType();
    EXPECT_EQ(SettingsFile().Read().engineFileName, ToPath(File("camión é.eng")));
    // The program's own files are still found where they were.
    EXPECT_EQ(QDir::current(), QDir(folder.path()));
    // Cancelling changes nothing.
    Main().ChooseEngineType();
    EXPECT_EQ(closer->dialogs.size(), 3);
    EXPECT_TRUE(closer->messages.isEmpty());
    EXPECT_EQ(SettingsFile().Read().engineFileName, ToPath(File("camión é.eng")));
}

TEST_F(MainWindowEngineTest, EngineCorrectionsSaveTheParametersAndTheSettings) {
    closer.reset();
    QTimer::singleShot(0, [] {
        auto& dialog = *qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ControlNamed<QLineEdit>(dialog, "Odometer Multiplier").setText("1.05");
        ControlNamed<QLineEdit>(dialog, "Rolling MPG Buffer Size:").setText("300");
        ControlNamed<QLineEdit>(dialog, "Odometer PID:").setText("244");
        ClickStandardButton(dialog, QDialogButtonBox::Ok);
    });
    Main().EditEngineCorrections();

    ParameterTable saved;
    ASSERT_EQ(saved.Load(), ParameterTable::LoadResult::Loaded);
    ASSERT_EQ(saved.Size(), 2u);
    EXPECT_EQ(saved.At(0).multiplier, 1.05f);
    EXPECT_EQ(saved.At(1).name, "Total Miles (Alternative)");
    EXPECT_EQ(SettingsFile().Read().odometerPid, 244);
    EXPECT_EQ(SettingsFile().Read().rollingMpgBufferSize, 300u);
    EXPECT_EQ(Main().State().Values()->Derived().AverageWindow(), 300u);
}

// The Parameter Editor changes the live table; OK saves it and Cancel reads the file again.
TEST_F(MainWindowTest, TheParameterEditorSavesOnOkAndReadsTheFileAgainOnCancel) {
    ParameterTable file;
    for (std::uint16_t pid : {84, 190}) {
        file.Append(std::make_unique<Parameter>());
        file.At(file.Size() - 1).pid = pid;
        file.At(file.Size() - 1).name = "P" + std::to_string(pid);
    }
    ASSERT_TRUE(file.Save());
    Start();
    closer.reset();
    const ParameterTable& live = Main().State().Parameters();
    auto inFile = [&file] {
        file.Reload();
        return Names(file);
    };
    auto edit = [this](QDialogButtonBox::StandardButton button,
                       std::function<void(QDialog&)> change) {
        test::AnswerNext<QDialog>([button, change](QDialog& dialog) {
            change(dialog);
            ClickStandardButton(dialog, button);
        });
        Main().EditParameters();
        QTest::qWait(20);
    };

    edit(QDialogButtonBox::Ok,
         [](QDialog& dialog) { QTest::keyClicks(dialog.findChildren<QLineEdit*>().front(), "0"); });
    const std::vector<std::string> saved{"P84", "P1900"};
    EXPECT_EQ(inFile(), saved);
    edit(QDialogButtonBox::Cancel, [](QDialog& dialog) {
        ClickButton(dialog, "&Delete");
        ClickButton(dialog, "&New");
    });
    EXPECT_EQ(Names(live), saved);

    // A folder in the file's place can be neither replaced nor read: the user is told, and
    // the table stays as it was rather than down to one default parameter.
    QFile::remove("PARAMTRS.DAT");
    ASSERT_TRUE(QDir(folder.path()).mkpath("PARAMTRS.DAT/inside"));
    QStringList told;
    for (auto button : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) {
        edit(button, [&told](QDialog&) {
            test::AnswerNext<QMessageBox>([&told](QMessageBox& box) {
                told << box.text().left(27);
                box.accept();
            });
        });
    }
    EXPECT_EQ(told, QStringList({"Failed to Save PARAMTRS.DAT", "Failed to Open PARAMTRS.DAT"}));
    EXPECT_EQ(Names(live), saved);
}
