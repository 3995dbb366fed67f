#include "ui/app/DashboardApp.h"

#include <QMessageBox>
#include <QSocketNotifier>
#include <clocale>

#include "core/app/CommandLine.h"
#include "ui/app/FilePath.h"
#include "ui/app/ProgramIcon.h"

namespace rovik {

DashboardApp::DashboardApp(int& argc, char** argv) : QApplication(argc, argv) {
    // Qt takes the user's locale for everything; numbers in the gauges and in the data files
    // keep the decimal point whatever the language.
    std::setlocale(LC_NUMERIC, "C");
    setOrganizationName("Norvane Electronics");
    setApplicationName("Rovik");
    setWindowIcon(ProgramIcon());
    // Lets the desktop match the window to its menu entry, and so to its icon.
    setDesktopFileName("com.norvane.rovik");
    if (endRequests.Descriptor() >= 0) {
        auto* notifier = new QSocketNotifier(endRequests.Descriptor(), QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &DashboardApp::EndOnRequest);
    }
}

int DashboardApp::Run() {
    // The demo switch names a file, which the core opens by its name in the system's encoding.
    CommandLine commandLine(ToPath(arguments().join(' ')));
    frame = std::make_unique<CMainFrame>();
    frame->Main().Start(commandLine);
    // A request that came while a start-up message was showing has already ended its loop.
    const int result = endRequested ? 0 : exec();
    if (endRequested) {
        frame->close();
    }
    frame.reset();
    return result;
}

int DashboardApp::ShowMessage(const std::string& text) {
    QMessageBox::critical(nullptr, "Rovik Error", QString::fromLocal8Bit(text));
    return 1;
}

// Every event loop ends, a dialog's too, so nothing waits for the user; the frame then
// closes as File Exit closes it.
void DashboardApp::EndOnRequest() {
    endRequests.Clear();
    endRequested = true;
    exit(0);
}

}  // namespace rovik
