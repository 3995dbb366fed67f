#pragma once

#include <QMainWindow>

#include "ui/app/MainWindow.h"

namespace rovik {

// The top-level window with the menu; the main window fills its client area.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(std::string sharedBlockName = kSharedBlockName);

    MainWindow& Main() { return *mainWindow; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void ShowAbout();

    MainWindow* mainWindow;
};

}  // namespace rovik
