#include "ui/app/MainWindow.h"

#include <QMessageBox>

#include "core/app/CommandLine.h"

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
    mainTimer.start();
    for (const Notice& notice : notices) {
        QMessageBox::warning(this, QString::fromLatin1(notice.caption.c_str()),
                             QString::fromLatin1(notice.text.c_str()));
    }
}

void MainWindow::Shutdown() {
    mainTimer.stop();
    dashboard.Shutdown();
}

}  // namespace rovik
