#include "ui/app/DashboardApp.h"

#include "core/app/CommandLine.h"

namespace rovik {

DashboardApp::DashboardApp(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName("Norvane Electronics");
    setApplicationName("Rovik");
}

int DashboardApp::Run() {
    CommandLine commandLine(arguments().join(' ').toStdString());
    frame = std::make_unique<CMainFrame>();
    frame->Main().Start(commandLine);
    int result = exec();
    frame.reset();
    return result;
}

}  // namespace rovik
