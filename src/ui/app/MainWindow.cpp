#include "ui/app/MainWindow.h"

#include <QDir>
#include <QMessageBox>

#include "core/app/CommandLine.h"
#include "ui/app/CMainFrame.h"

namespace rovik {

MainWindow::MainWindow(QWidget* parent, std::string sharedBlockName)
    : QWidget(parent), dashboard(std::move(sharedBlockName)) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    mainTimer.setInterval(static_cast<int>(MainTick::kTickMs));
    connect(&mainTimer, &QTimer::timeout, this, [this] { dashboard.Tick(); });
}

MainWindow::~MainWindow() {
    Shutdown();
}

void MainWindow::Start(const CommandLine& commandLine) {
    displayKeeper.KeepAwake();
    std::vector<Notice> notices = dashboard.Start(commandLine);
    PlaceFrame();
    window()->show();
    mainTimer.start();
    for (const Notice& notice : notices) {
        QMessageBox::warning(this, QString::fromLatin1(notice.caption.c_str()),
                             QString::fromLatin1(notice.text.c_str()));
    }
}

CMainFrame* MainWindow::Frame() const {
    return qobject_cast<CMainFrame*>(window());
}

void MainWindow::PlaceFrame() {
    const Settings& settings = dashboard.CurrentSettings();
    CMainFrame* frame = Frame();
    if (frame && settings.hasWindowPlacement) {
        frame->ApplyPlacement(settings.windowPlacement);
    }
}

bool MainWindow::SaveSettings() {
    if (CMainFrame* frame = Frame()) {
        dashboard.CurrentSettings().windowPlacement = frame->CurrentPlacement();
    }
    if (dashboard.SaveSettings()) {
        return true;
    }
    QMessageBox::warning(this, "Rovik Error",
                         "Failed to Save SETTINGS.DAT in " + QDir::currentPath() + "." +
                             "\nThe changed settings will be lost when Rovik closes.");
    return false;
}

void MainWindow::Shutdown() {
    mainTimer.stop();
    dashboard.Shutdown();
}

}  // namespace rovik
