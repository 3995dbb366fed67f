#include "ui/app/MainWindow.h"

#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>

#include "core/app/CommandLine.h"
#include "core/app/EngineCorrections.h"
#include "core/app/ScreenFile.h"
#include "core/tires/TireLayoutFile.h"
#include "platform/SerialPortFinder.h"
#include "ui/alarms/AlarmsDialog.h"
#include "ui/alarms/MessagesDialog.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/FilePath.h"
#include "ui/diag/RecentEventsDialog.h"
#include "ui/link/CommunicationSettingsDialog.h"
#include "ui/link/RawLogDialog.h"
#include "ui/logging/DataLogDialog.h"
#include "ui/maint/MaintenanceTrackingDialog.h"
#include "ui/panels/Panel.h"
#include "ui/panels/PanelFactory.h"
#include "ui/panels/QtColor.h"
#include "ui/params/ParameterEditorDialog.h"
#include "ui/params/PidSnifferDialog.h"
#include "ui/tires/TireStatusDialog.h"

namespace rovik {

namespace {
const char* const kScreenFilter = "Screen Files (*.scr)";
}  // namespace

MainWindow::MainWindow(QWidget* parent, std::string sharedBlockName)
    : QWidget(parent), dashboard(std::move(sharedBlockName)) {
    dashboard.SetSoundPlayer(&soundPlayer);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    // A click on the bare window takes the focus, so no panel stays selected.
    setFocusPolicy(Qt::ClickFocus);
    mainTimer.setInterval(static_cast<int>(MainTick::kTickMs));
    connect(&mainTimer, &QTimer::timeout, this, [this] { dashboard.Tick(); });
}

MainWindow::~MainWindow() {
    Shutdown();
    // Panels read the parameters as they go, so they leave before the state does.
    for (Panel* panel : panels) {
        delete panel;
    }
}

void MainWindow::Start(const CommandLine& commandLine) {
    displayKeeper.KeepAwake();
    std::vector<Notice> notices = dashboard.Start(commandLine);
    PlaceFrame();
    ShowLogInTitle();
    window()->show();
    mainTimer.start();
    // A notice may name a file, so it is read in the system's encoding, as file names are.
    for (const Notice& notice : notices) {
        QMessageBox::warning(this, FromPath(notice.caption), FromPath(notice.text));
    }
    if (dashboard.EngineFileFailed()) {
        ChooseEngineType();
    }
    ReadScreen(dashboard.CurrentSettings().screenFileName);
    selectedPanel = nullptr;
}

CMainFrame* MainWindow::Frame() const {
    return qobject_cast<CMainFrame*>(window());
}

void MainWindow::PlaceFrame() {
    const Settings& settings = dashboard.CurrentSettings();
    CMainFrame* frame = Frame();
    if (frame && settings.hasWindowPlacement) {
        frame->ApplyPlacement(settings.windowPlacement);
    }
}

bool MainWindow::SaveSettings() {
    if (CMainFrame* frame = Frame()) {
        dashboard.CurrentSettings().windowPlacement = frame->CurrentPlacement();
    }
    if (dashboard.SaveSettings()) {
        return true;
    }
    QMessageBox::warning(this, "Rovik Error",
                         "Failed to Save SETTINGS.DAT in " + QDir::currentPath() + "." +
                             "\nThe changed settings will be lost when Rovik closes.");
    return false;
}

void MainWindow::Shutdown() {
    mainTimer.stop();
    dashboard.Shutdown();
}

void MainWindow::ClearSelectedPanel(Panel* panel) {
    if (selectedPanel == panel) {
        selectedPanel = nullptr;
    }
}

void MainWindow::RequestPanelDeletion(Panel* panel) {
    QMetaObject::invokeMethod(
        this, [this, panel] { RemovePanel(panel); }, Qt::QueuedConnection);
}

void MainWindow::AddPanel(Panel* panel) {
    panels.push_back(panel);
    panel->show();
    panel->setFocus();
}

void MainWindow::RemovePanel(Panel* panel) {
    // A panel may be asked to go twice, by the Delete key and by File New.
    auto found = std::find(panels.begin(), panels.end(), panel);
    if (found == panels.end()) {
        return;
    }
    panels.erase(found);
    ClearSelectedPanel(panel);
    delete panel;
}

void MainWindow::NewPanel(const AnyPanelRecord& record) {
    AddPanel(PanelFactory::Create(*this, record, false));
}

void MainWindow::DeleteSelectedPanel() {
    if (selectedPanel) {
        RequestPanelDeletion(selectedPanel);
    }
}

void MainWindow::NewScreen() {
    for (Panel* panel : panels) {
        RequestPanelDeletion(panel);
    }
    SetWallpaper("");
}

bool MainWindow::ReadScreen(const std::string& path) {
    panelTextColor = kBlack;
    std::optional<Screen> screen = ScreenFile::Read(path);
    if (!screen) {
        ShowFileError("Error Reading File");
        SetWallpaper("");
        return false;
    }
    for (const AnyPanelRecord& record : screen->panels) {
        AddPanel(PanelFactory::Create(*this, record, true));
    }
    panelTextColor = screen->panelTextColor;
    SetWallpaper(screen->wallpaperPath);
    return true;
}

bool MainWindow::WriteScreen(const std::string& path) {
    if (ScreenFile::Write(path, CurrentScreen())) {
        return true;
    }
    ShowFileError("Error Saving File");
    return false;
}

Screen MainWindow::CurrentScreen() const {
    Screen screen;
    // Qt keeps siblings bottom first.
    const QObjectList& children = this->children();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        auto* panel = qobject_cast<Panel*>(*child);
        if (panel && std::find(panels.begin(), panels.end(), panel) != panels.end()) {
            panel->WriteRecord(screen);
        }
    }
    screen.wallpaperPath = wallpaperPath;
    screen.panelTextColor = panelTextColor;
    return screen;
}

void MainWindow::ShowFileError(const char* text) {
    QMessageBox::warning(this, "Rovik", text);
}

QString MainWindow::ScreenFileName() {
    return FromPath(dashboard.CurrentSettings().screenFileName);
}

void MainWindow::OpenScreen() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, "Open", ScreenFileName(), kScreenFilter);
    if (chosen.isEmpty()) {
        return;
    }
    dashboard.CurrentSettings().screenFileName = ToPath(chosen);
    NewScreen();
    ReadScreen(ToPath(chosen));
    SaveSettings();
}

void MainWindow::SaveScreen() {
    WriteScreen(dashboard.CurrentSettings().screenFileName);
    SaveSettings();
}

void MainWindow::SaveScreenAs() {
    QString chosen = QFileDialog::getSaveFileName(this, "Save As", ScreenFileName(), kScreenFilter);
    if (chosen.isEmpty()) {
        return;
    }
    if (QFileInfo(chosen).suffix().isEmpty()) {
        chosen += ".scr";
    }
    dashboard.CurrentSettings().screenFileName = ToPath(chosen);
    WriteScreen(ToPath(chosen));
    SaveSettings();
}

void MainWindow::ChooseTextColor() {
    const QColor chosen = QColorDialog::getColor(ToQColor(panelTextColor), this, "Text Color");
    if (chosen.isValid()) {
        panelTextColor = ToColorRef(chosen);
        update();
        for (Panel* panel : panels) {
            panel->update();
        }
    }
}

void MainWindow::ChooseWallpaper() {
    const QString chosen = QFileDialog::getOpenFileName(this, "Wallpaper", FromPath(wallpaperPath),
                                                        "BMP Files (*.bmp)");
    // Cancelling is how a wallpaper is taken away.
    SetWallpaper(ToPath(chosen));
}

void MainWindow::ShowDiagnostics() {
    RecentEventsDialog dialog(dashboard.Faults(), this);
    dialog.exec();
}

void MainWindow::ShowMaintenance() {
    MaintenanceTrackingDialog dialog(dashboard.Totals(), MaintenanceFile::kFileName, this);
    dialog.exec();
}

const TireMonitor* MainWindow::Tires() {
    return dashboard.Values() ? &dashboard.Values()->Tires() : nullptr;
}

void MainWindow::ShowTireStatus() {
    if (LiveValues* values = dashboard.Values()) {
        TireStatusDialog dialog(values->Tires(), TireLayoutFile::kFileName, this);
        if (dialog.exec() == QDialog::Accepted) {
            // The tire gauges draw the layout just kept.
            for (Panel* panel : panels) {
                panel->update();
            }
        }
    }
}

// The lists are saved however the dialogs close, as the edits were made in place.
void MainWindow::EditAlarms() {
    AlarmsDialog dialog(dashboard.Alarms(), dashboard.Parameters(), *dashboard.Player(), this);
    dialog.exec();
    if (!dashboard.Alarms().Save()) {
        ShowFileError(
            "ALARMS.DAT could not be written; the alarms are kept until the program ends.");
    }
}

void MainWindow::EditMessages() {
    MessagesDialog dialog(dashboard.Messages(), dashboard.Parameters(), this);
    dialog.exec();
    if (!dashboard.Messages().Save()) {
        ShowFileError(
            "MESSAGE.DAT could not be written; the messages are kept until the program ends.");
    }
}

void MainWindow::ShowRawLog() {
    if (CanRecordRawLog()) {
        RawLogDialog dialog(dashboard.Link()->RawLogging(), this);
        dialog.exec();
    }
}

void MainWindow::ShowDataLog() {
    Settings& settings = dashboard.CurrentSettings();
    DataLogDialog dialog(dashboard.Parameters(), dashboard.Logger(), settings.automaticallyStartLog,
                         this);
    if (dialog.exec() == QDialog::Accepted) {
        dashboard.Logger().ChangeSettings(dialog.Chosen());
        settings.automaticallyStartLog = dialog.AutomaticallyStartLog();
        SaveSettings();
    }
    ShowLogInTitle();
}

void MainWindow::ShowLogInTitle() {
    window()->setWindowTitle(DataLogDialog::FrameTitle(dashboard.Logger()));
}

void MainWindow::EditCommunications() {
    if (!CanEditCommunications()) {
        return;
    }
    LinkReader& link = *dashboard.Link();
    Settings& settings = dashboard.CurrentSettings();
    CommunicationSettingsDialog dialog(
        link, dashboard.Box(),
        {settings.portName, settings.autoRestart, settings.connectionType, settings.transmitDelay},
        SerialPortFinder(), this);
    if (dialog.exec() != QDialog::Accepted || settings.portName == "COM0") {
        return;
    }
    const CommunicationSettingsDialog::Choices chosen = dialog.Chosen();
    settings.portName = chosen.portName;
    settings.autoRestart = chosen.autoRestart;
    settings.connectionType = chosen.type;
    settings.transmitDelay = chosen.transmitDelay;
    settings.ipAddress = link.GetHostAddress();
    settings.tcpPort = link.GetTcpPort();
    SaveSettings();
}

void MainWindow::ChooseEngineType() {
    const QString chosen = QFileDialog::getOpenFileName(
        this, "Engine Type", FromPath(dashboard.CurrentSettings().engineFileName),
        "ENG Files (*.eng);;All Files (*)");
    if (chosen.isEmpty()) {
        return;
    }
    if (!dashboard.ChangeEngineFile(ToPath(chosen))) {
        QMessageBox::warning(this, "Error Reading File",
                             chosen +
                                 "\n has failed to load properly.\nTorque and Horsepower "
                                 "readings may be inaccurate.");
    }
    SaveSettings();
}

void MainWindow::EditEngineCorrections() {
    ParameterTable& parameters = dashboard.Parameters();
    Settings& settings = dashboard.CurrentSettings();
    EngineCorrectionsDialog dialog(EngineCorrections::Current(parameters, settings), MeterTotals(),
                                   this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    dialog.Result().Apply(parameters, settings,
                          dashboard.Values() ? &dashboard.Values()->Derived() : nullptr);
    SaveSettings();
    SaveParameters();
}

EngineCorrectionsDialog::Totals MainWindow::MeterTotals() const {
    const Totals& kept = CurrentTotals();
    return {kept.distance, kept.engineHours, kept.fuelUsed};
}

bool MainWindow::SaveParameters() {
    if (dashboard.Parameters().Save()) {
        return true;
    }
    QMessageBox::warning(this, "Rovik Error",
                         "Failed to Save PARAMTRS.DAT in " + QDir::currentPath() + "." +
                             "\nThe changed parameters will be lost when Rovik closes.");
    return false;
}

void MainWindow::EditParameters() {
    ParameterEditorDialog dialog(dashboard.Parameters(), this);
    FinishParameterEdit(dialog.exec());
}

void MainWindow::SniffPids() {
    PidSnifferDialog dialog(dashboard.Parameters(), dashboard.Values(), this);
    FinishParameterEdit(dialog.exec());
}

void MainWindow::FinishParameterEdit(int result) {
    if (result == QDialog::Accepted) {
        SaveParameters();
    } else if (std::optional<Notice> notice = dashboard.ReloadParameters()) {
        QMessageBox::warning(this, QString::fromLatin1(notice->caption.c_str()),
                             QString::fromLatin1(notice->text.c_str()));
    }
    // Gauges repaint when their value moves; a new name, unit or line must show at once.
    for (Panel* panel : panels) {
        panel->update();
    }
}

void MainWindow::SetWallpaper(const std::string& path) {
    wallpaperPath = path;
    wallpaper.reset();
    if (!path.empty()) {
        wallpaper = std::make_unique<CDib>();
        wallpaper->Load(FromPath(path));
    }
    update();
}

void MainWindow::paintEvent(QPaintEvent*) {
    if (wallpaper) {
        QPainter painter(this);
        wallpaper->Draw(painter, rect());
    }
}

}  // namespace rovik
