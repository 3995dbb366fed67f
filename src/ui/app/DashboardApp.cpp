#include "ui/app/DashboardApp.h"

#include <clocale>

#include "core/app/CommandLine.h"
#include "ui/app/FilePath.h"

namespace rovik {

DashboardApp::DashboardApp(int& argc, char** argv) : QApplication(argc, argv) {
    // Qt takes the user's locale for everything; numbers in the gauges and in the data files
    // keep the decimal point whatever the language.
    std::setlocale(LC_NUMERIC, "C");
    setOrganizationName("Norvane Electronics");
    setApplicationName("Rovik");
}

int DashboardApp::Run() {
    // The demo switch names a file, which the core opens by its name in the system's encoding.
    CommandLine commandLine(ToPath(arguments().join(' ')));
    frame = std::make_unique<CMainFrame>();
    frame->Main().Start(commandLine);
    int result = exec();
    frame.reset();
    return result;
}

}  // namespace rovik
