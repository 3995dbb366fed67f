#pragma once

#include <QMainWindow>
#include <QTimer>

#include "core/app/WindowPlacement.h"
#include "ui/app/MainWindow.h"

class QLabel;

namespace rovik {

// The top-level window with the menu; the main window fills its client area.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(std::string sharedBlockName = kSharedBlockName);

    MainWindow& Main() { return *mainWindow; }

    // Puts the frame where a stored placement says, in its show state. A placement that is
    // off every screen comes onto the primary screen; one with no usable rectangle keeps the
    // frame's size and position. The rectangle is the frame's client area: the window
    // manager adds its own decorations around it.
    void ApplyPlacement(const WindowPlacement& placement);
    // The placement to store: the show state and the rectangle the frame has when restored.
    WindowPlacement CurrentPlacement() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void ShowAbout();
    void ShowLinkStatus();

    MainWindow* mainWindow;
    // What the link is doing, at the right of the status bar, so a box that cannot be
    // reached is seen at once.
    QLabel* linkStatus;
    QTimer statusTimer;
};

}  // namespace rovik
