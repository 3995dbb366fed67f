#pragma once

#include <unistd.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <optional>
#include <string>

#include "DialogTestSupport.h"
#include "ModalCloser.h"
#include "core/app/CommandLine.h"
#include "ui/app/CMainFrame.h"
#include "ui/panels/Panel.h"

namespace rovik::test {

// The whole program in a fresh temporary working folder, which a test fills before it
// starts the dashboard, by default on a recording that does not exist so that only the
// values the test stores change. The closer answers every window that start-up opens and
// stays on until the test resets it.
class StartedDashboard : public ::testing::Test {
protected:
    StartedDashboard() : previous(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
    ~StartedDashboard() override {
        frame.close();
        QDir::setCurrent(previous);
    }

    void Start(const char* commandLine = "rovik demo=missing.rvk") {
        closer.emplace();
        frame.resize(800, 600);
        frame.Main().Start(CommandLine(commandLine));
        Activate();
        Settle();
    }
    // Focus only moves inside the active window, and the offscreen platform does not hand
    // activation back when a dialog closes.
    void Activate() {
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    }
    // Lets queued events, deletions and zero timers run, and the panels' dialogs open.
    static void Settle() { QTest::qWait(40); }
    MainWindow& Main() { return frame.Main(); }
    QString File(const QString& name) const { return folder.filePath(name); }
    template <typename Kind = Panel>
    Kind& PanelAt(std::size_t index) {
        return *dynamic_cast<Kind*>(Main().Panels().at(index));
    }
    // A picture of what was painted, kept with the folder for a look when the test fails.
    void KeepOnFailure(const QImage& image, const QString& name) {
        if (HasFailure() && image.save(File(name))) {
            folder.setAutoRemove(false);
            ADD_FAILURE() << "painted: " << File(name).toStdString();
        }
    }

    QTemporaryDir folder;
    QString previous;
    CMainFrame frame{"/RovikUiTest-" + std::to_string(::getpid())};
    std::optional<ModalCloser> closer;
};

}  // namespace rovik::test
