#pragma once

#include <QApplication>
#include <memory>

#include "ui/app/CMainFrame.h"

namespace rovik {

// The application object: sets up Qt, keeps the lower-cased command line and creates the
// frame.
class DashboardApp : public QApplication {
    Q_OBJECT
public:
    DashboardApp(int& argc, char** argv);

    // Creates and shows the frame and starts the program; then runs the event loop.
    int Run();

private:
    std::unique_ptr<CMainFrame> frame;
};

}  // namespace rovik
