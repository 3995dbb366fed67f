#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "core/app/Dashboard.h"
#include "core/app/Screen.h"
#include "core/panels/ColorRef.h"
#include "ui/alarms/QtSoundPlayer.h"
#include "ui/app/CDib.h"
#include "ui/app/DisplayKeeper.h"
#include "ui/panels/PanelHost.h"
#include "ui/params/EngineCorrectionsDialog.h"

namespace rovik {

class CMainFrame;
class CommandLine;
class Panel;

// The client area that carries the gauge panels. It owns the program's state, runs the
// 100 ms main timer, keeps the start-up and shutdown order, the panels, the wallpaper and the
// screen file commands, and hosts the panels.
class MainWindow : public QWidget, public PanelHost {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr, std::string sharedBlockName = kSharedBlockName);
    ~MainWindow() override;

    // Loads the data files, opens the link, starts the threads and the timer, places and
    // shows the frame, reads the screen; then tells the user what went wrong on the way.
    void Start(const CommandLine& commandLine);
    // Writes the settings with the frame's current placement to SETTINGS.DAT; says so when
    // the file cannot be written.
    bool SaveSettings();
    // Stops the timer and the threads and releases the link and the parameters.
    void Shutdown();

    Dashboard& State() { return dashboard; }
    const QTimer& MainTimer() const { return mainTimer; }

    // The panels, in creation order, and the one with the focus.
    const std::vector<Panel*>& Panels() const { return panels; }
    Panel* SelectedPanel() const { return selectedPanel; }
    std::string WallpaperPath() const { return wallpaperPath; }

    QWidget& PanelArea() override { return *this; }
    const ValueLookup* Values() override { return dashboard.Values(); }
    const ParameterTable& Parameters() override { return dashboard.Parameters(); }
    const Totals& CurrentTotals() const override { return dashboard.Totals().Current(); }
    const TireMonitor* Tires() override;
    const MessageTable& Messages() override { return dashboard.Messages(); }
    ColorRef PanelTextColor() const override { return panelTextColor; }
    bool IsSelected(const Panel& panel) const override { return selectedPanel == &panel; }
    void SetSelectedPanel(Panel* panel) override { selectedPanel = panel; }
    void ClearSelectedPanel(Panel* panel) override;
    void RequestPanelDeletion(Panel* panel) override;

    // Menu commands.
    void NewScreen();
    void OpenScreen();
    void SaveScreen();
    void SaveScreenAs();
    void NewPanel(const AnyPanelRecord& record);
    void DeleteSelectedPanel();
    void ChooseTextColor();
    void ChooseWallpaper();
    void ShowDiagnostics();
    void ShowMaintenance();
    // The Tire Status dialog, once the link exists.
    void ShowTireStatus();
    // The alarm and message dialogs; their lists are saved when the dialogs close.
    void EditAlarms();
    void EditMessages();
    // The raw log records a live box only; a replayed recording is not recorded again.
    bool CanRecordRawLog() { return dashboard.Link() && !dashboard.IsPlayingBack(); }
    void ShowRawLog();
    // The Data Log Settings dialog; OK keeps its choices and saves the settings. Either way
    // the frame's title then says whether the log is recording.
    void ShowDataLog();
    // The box is chosen while the link talks to one, not while a recording plays.
    bool CanEditCommunications() { return CanRecordRawLog(); }
    // The Communication Settings dialog; OK keeps the box's connection in SETTINGS.DAT, except
    // while the saved port is "COM0", which only lets the dialog look at the link.
    void EditCommunications();
    // Picks and loads an engine file, then saves the settings; a file that fails to load is
    // reported and leaves no engine file named.
    void ChooseEngineType();
    // The Engine Corrections dialog; OK saves the settings and the parameters.
    void EditEngineCorrections();
    // The Parameter Editor and the PID Sniffer edit the live table: OK saves it, Cancel reads
    // PARAMTRS.DAT again; either way every panel then shows the table as it stands.
    void EditParameters();
    void SniffPids();

    // Reads a screen file: its panels join the window; false and a message when it cannot
    // be read.
    bool ReadScreen(const std::string& path);
    // Writes the screen; false and a message when it cannot be written.
    bool WriteScreen(const std::string& path);
    // The screen as it stands, panels from the top of the stacking order down.
    Screen CurrentScreen() const;
    void SetWallpaper(const std::string& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The frame this window fills, or none when it stands alone.
    CMainFrame* Frame() const;
    void PlaceFrame();
    void ShowLogInTitle();
    void AddPanel(Panel* panel);
    void RemovePanel(Panel* panel);
    void ShowFileError(const char* text);
    bool SaveParameters();
    void FinishParameterEdit(int result);
    // The vehicle's totals as last kept in ODOMETER.DAT.
    EngineCorrectionsDialog::Totals MeterTotals() const;
    QString ScreenFileName();

    DisplayKeeper displayKeeper;
    // Outlives the dashboard, whose alarms play through it.
    QtSoundPlayer soundPlayer;
    Dashboard dashboard;
    QTimer mainTimer;
    std::vector<Panel*> panels;
    Panel* selectedPanel = nullptr;
    ColorRef panelTextColor = kBlack;
    std::string wallpaperPath;
    std::unique_ptr<CDib> wallpaper;
};

}  // namespace rovik
