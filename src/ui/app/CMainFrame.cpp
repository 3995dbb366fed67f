#include "ui/app/CMainFrame.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>

namespace rovik {

CMainFrame::CMainFrame(std::string sharedBlockName)
    : mainWindow(new MainWindow(this, std::move(sharedBlockName))) {
    setWindowTitle("Rovik");
    setCentralWidget(mainWindow);
    BuildMenus();
    resize(1024, 700);
}

void CMainFrame::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("E&xit", this, &QWidget::close);
    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction("&About Rovik...", this, &CMainFrame::ShowAbout);
}

void CMainFrame::ShowAbout() {
    QMessageBox::about(this, "About Rovik",
                       "Rovik Version 3.1 Build 2\n\nNorvane Electronics\n"
                       "A dashboard for heavy-duty vehicles.");
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The threads must be stopped before anything they use goes away.
    mainWindow->Shutdown();
    event->accept();
}

}  // namespace rovik
