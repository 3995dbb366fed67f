#pragma once

#include <QApplication>
#include <memory>
#include <string>

#include "platform/TerminationSignals.h"
#include "ui/app/CMainFrame.h"

namespace rovik {

// The application object: sets up Qt, keeps the lower-cased command line and creates the
// frame. A request from the system to end the program (shutdown, logout, kill, Ctrl+C)
// closes it as File Exit does, so the threads are joined and the files closed.
class DashboardApp : public QApplication {
    Q_OBJECT
public:
    DashboardApp(int& argc, char** argv);

    // Creates and shows the frame and starts the program; then runs the event loop.
    int Run();
    // Shows a message that kept the dashboard from starting, in place of the dashboard; the
    // result is the exit status that says so.
    int ShowMessage(const std::string& text);

private:
    void EndOnRequest();

    TerminationSignals endRequests;
    bool endRequested = false;
    std::unique_ptr<CMainFrame> frame;
};

}  // namespace rovik
