#include <gtest/gtest.h>
#include <unistd.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "ModalAnswer.h"
#include "ModalCloser.h"
#include "core/Described.h"
#include "core/app/CommandLine.h"
#include "core/app/ScreenFile.h"
#include "core/values/PreferredSourceTable.h"
#include "ui/app/CMainFrame.h"
#include "ui/panels/Panel.h"
#include "ui/params/ParameterEditorDialog.h"
#include "ui/params/PidSnifferDialog.h"

using namespace rovik;
using rovik::test::AnswerNext;
using rovik::test::ModalCloser;

namespace {
// Counts the paint events a widget receives.
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

std::vector<std::string> Described(const ParameterTable& table) {
    std::vector<std::string> described;
    for (std::size_t i = 0; i < table.Size(); ++i) {
        described.push_back(::Described(table.At(i)));
    }
    return described;
}

SimpleGaugeRecord Gauge(PanelRect rect, std::uint16_t pid) {
    SimpleGaugeRecord gauge;
    gauge.rect = rect;
    gauge.pid = pid;
    return gauge;
}

// A dashboard started in a fresh folder on a table of two parameters and a gauge for each.
struct ParameterDialogsTest : ::testing::Test {
    ParameterDialogsTest() : previous(QDir::currentPath()) {
        QDir::setCurrent(folder.path());
        ParameterTable file;
        file.Append(std::make_unique<Parameter>());
        file.Append(std::make_unique<Parameter>());
        file.At(1).name = "ENGINE SPEED";
        file.At(1).pid = 190;
        EXPECT_TRUE(file.Save());
        Screen screen;
        screen.panels = {Gauge({0, 0, 160, 80}, 84), Gauge({200, 0, 360, 80}, 190)};
        EXPECT_TRUE(ScreenFile::Write("DEFAULT.SCR", screen));
        closer.emplace();
        frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
        Settle();
        closer.reset();
    }
    ~ParameterDialogsTest() override {
        frame.close();
        QDir::setCurrent(previous);
    }
    static void Settle() {
        for (int i = 0; i < 20; ++i) {
            QApplication::processEvents();
            ::usleep(2000);
        }
    }
    void Choose(const QString& command) {
        for (QAction* action : frame.menuBar()->findChildren<QAction*>()) {
            if (action->text() == command) {
                action->trigger();
                Settle();
                return;
            }
        }
        FAIL() << "no command " << command.toStdString();
    }
    static void Press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
    }
    static void Click(QDialog& dialog, const QString& text) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == text) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    }
    ParameterTable& Live() { return frame.Main().State().Parameters(); }
    std::vector<std::string> InFile() {
        ParameterTable file;
        file.Load();
        return Described(file);
    }

    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
    QTemporaryDir folder;
    QString previous;
    CMainFrame frame{"/RovikParameterDialogsTest-" + std::to_string(::getpid())};
    std::optional<ModalCloser> closer;
};
}  // namespace

TEST_F(ParameterDialogsTest, OkSavesTheTableAndEveryGaugeShowsItAtOnce) {
    ASSERT_EQ(frame.Main().Panels().size(), 2u);
    PaintCounter first(frame.Main().Panels()[0]);
    PaintCounter second(frame.Main().Panels()[1]);
    AnswerNext<ParameterEditorDialog>([](ParameterEditorDialog& dialog) {
        QLineEdit* name = dialog.findChildren<QLineEdit*>().front();
        name->selectAll();
        QTest::keyClicks(name, "RPM");
        Press(dialog, QDialogButtonBox::Ok);
    });
    Choose("P&arameter Editor...");
    EXPECT_EQ(Live().At(1).name, "RPM");
    EXPECT_EQ(InFile(), Described(Live()));
    EXPECT_GT(first.count, 0);
    EXPECT_GT(second.count, 0);
}

TEST_F(ParameterDialogsTest, CancelReadsTheFileAgainSoNoEditIsLeft) {
    const std::vector<std::string> before = InFile();
    AnswerNext<ParameterEditorDialog>([](ParameterEditorDialog& dialog) {
        Click(dialog, "&Delete");
        Click(dialog, "&New");
        Press(dialog, QDialogButtonBox::Cancel);
    });
    Choose("P&arameter Editor...");
    EXPECT_EQ(Described(Live()), before);

    frame.Main().State().Values()->Store().StoreValue(kEngineSlot, 110, 180.0f);
    for (auto answer : {QDialogButtonBox::Cancel, QDialogButtonBox::Ok}) {
        AnswerNext<PidSnifferDialog>([answer](PidSnifferDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>();
            list->setCurrentRow(0);
            Click(dialog, "&Add Parameter Definition");
            Press(dialog, answer);
        });
        Choose("&PID Sniffer...");
    }
    ASSERT_EQ(Live().Size(), 3u);
    EXPECT_EQ(Live().At(2).name, "Engine Coolant Temp");
    EXPECT_EQ(InFile(), Described(Live()));
}

TEST_F(ParameterDialogsTest, ASaveThatFailsSaysSoAndKeepsTheEdits) {
    // A folder in the file's place cannot be replaced.
    QFile::remove("PARAMTRS.DAT");
    ASSERT_TRUE(QDir(folder.path()).mkpath("PARAMTRS.DAT/inside"));
    QString told;
    AnswerNext<ParameterEditorDialog>([&told](ParameterEditorDialog& dialog) {
        Click(dialog, "&New");
        AnswerNext<QMessageBox>([&told](QMessageBox& box) {
            told = box.text();
            box.accept();
        });
        Press(dialog, QDialogButtonBox::Ok);
    });
    Choose("P&arameter Editor...");
    EXPECT_TRUE(told.startsWith("Failed to Save PARAMTRS.DAT")) << told.toStdString();
    EXPECT_EQ(Live().Size(), 3u);
    EXPECT_TRUE(QDir("PARAMTRS.DAT/inside").exists());
}
