#pragma once

#include <QTimer>
#include <QWidget>

#include "core/app/Dashboard.h"
#include "ui/app/DisplayKeeper.h"

namespace rovik {

class CMainFrame;
class CommandLine;

// The client area that will carry the gauge panels. It owns the program's state, runs the
// 100 ms main timer and keeps the start-up and shutdown order.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr, std::string sharedBlockName = kSharedBlockName);
    ~MainWindow() override;

    // Loads the data files, opens the link, starts the threads and the timer, places and
    // shows the frame; then tells the user what went wrong on the way.
    void Start(const CommandLine& commandLine);
    // Writes the settings with the frame's current placement to SETTINGS.DAT; says so when
    // the file cannot be written.
    bool SaveSettings();
    // Stops the timer and the threads and releases the link and the parameters.
    void Shutdown();

    Dashboard& State() { return dashboard; }
    const QTimer& MainTimer() const { return mainTimer; }

private:
    // The frame this window fills, or none when it stands alone.
    CMainFrame* Frame() const;
    void PlaceFrame();

    DisplayKeeper displayKeeper;
    Dashboard dashboard;
    QTimer mainTimer;
};

}  // namespace rovik
