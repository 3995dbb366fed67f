#include "ui/app/CMainFrame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>
#include <optional>

#include "core/app/Version.h"
#include "core/link/LinkStatus.h"
#include "ui/app/ProgramIcon.h"
#include "ui/logging/DataLogStatus.h"

namespace rovik {

namespace {
constexpr int kLinkStatusMs = 500;
// Less of the frame than this on a screen and the user could not take hold of it.
constexpr int kMinVisible = 50;
// Beyond any desktop: a placement past these comes from a damaged file.
constexpr std::int64_t kMaxExtent = 1 << 16;
constexpr std::int32_t kMaxCoordinate = 1 << 24;

std::optional<QRect> NormalRect(const WindowPlacement& placement) {
    std::int64_t width = std::int64_t{placement.right} - placement.left;
    std::int64_t height = std::int64_t{placement.bottom} - placement.top;
    if (width <= 0 || height <= 0 || width > kMaxExtent || height > kMaxExtent) {
        return std::nullopt;
    }
    return QRect(std::clamp(placement.left, -kMaxCoordinate, kMaxCoordinate),
                 std::clamp(placement.top, -kMaxCoordinate, kMaxCoordinate),
                 static_cast<int>(width), static_cast<int>(height));
}

bool OnSomeScreen(const QRect& rect) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        QRect shown = screen->availableGeometry() & rect;
        if (shown.width() >= std::min(kMinVisible, rect.width()) &&
            shown.height() >= std::min(kMinVisible, rect.height())) {
            return true;
        }
    }
    return false;
}

// The nearest place on the primary screen where the whole frame shows.
QRect OntoPrimaryScreen(const QRect& rect) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return rect;
    }
    QRect area = screen->availableGeometry();
    QSize size = rect.size().boundedTo(area.size());
    int x = std::clamp(rect.x(), area.left(), area.right() + 1 - size.width());
    int y = std::clamp(rect.y(), area.top(), area.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

Qt::WindowStates StateFor(std::uint32_t showCommand) {
    switch (showCommand) {
        case WindowPlacement::kShowMaximized:
            return Qt::WindowMaximized;
        case WindowPlacement::kShowMinimized:
            return Qt::WindowMinimized;
        default:
            return Qt::WindowNoState;
    }
}
}  // namespace

CMainFrame::CMainFrame(std::string sharedBlockName)
    : mainWindow(new MainWindow(this, std::move(sharedBlockName))), linkStatus(new QLabel) {
    setWindowTitle("Rovik");
    // The About box and every dialog take theirs from the frame.
    setWindowIcon(ProgramIcon());
    setCentralWidget(mainWindow);
    BuildMenus();
    statusBar()->addPermanentWidget(linkStatus);
    statusBar()->addPermanentWidget(new DataLogStatus(mainWindow->State().Logger()));
    statusTimer.setInterval(kLinkStatusMs);
    connect(&statusTimer, &QTimer::timeout, this, &CMainFrame::ShowLinkStatus);
    statusTimer.start();
    resize(1024, 700);
}

void CMainFrame::BuildMenus() {
    MainWindow* main = mainWindow;
    statusBar();
    QMenu* file = menuBar()->addMenu("&File");
    // No shortcut: New followed by Save would wipe the screen file in two keystrokes.
    file->addAction("&New", main, &MainWindow::NewScreen);
    file->addAction("&Open...", QKeySequence::Open, main, &MainWindow::OpenScreen);
    file->addAction("&Save", QKeySequence::Save, main, &MainWindow::SaveScreen);
    file->addAction("Save &As...", main, &MainWindow::SaveScreenAs);
    file->addSeparator();
    file->addAction("E&xit", this, &QWidget::close);
    QMenu* gauges = menuBar()->addMenu("&Gauges");
    gauges
        ->addAction("New &Simple Gauge", Qt::Key_F2, main,
                    [main] { main->NewPanel(SimpleGaugeRecord()); })
        ->setStatusTip("Create Ordinary Gauge");
    gauges
        ->addAction("New S&can Gauge", Qt::Key_F3, main,
                    [main] { main->NewPanel(ScanGaugeRecord()); })
        ->setStatusTip("Create Scan Gauge");
    gauges
        ->addAction("New &Odometer", Qt::Key_F4, main, [main] { main->NewPanel(OdometerRecord()); })
        ->setStatusTip("Create Trip Odometer");
    gauges
        ->addAction("New T&ransmission Indicator", Qt::Key_F5, main,
                    [main] { main->NewPanel(TransmissionRecord()); })
        ->setStatusTip("Create Transmission Indicator (Req's Allison World Transmission)");
    gauges->addAction("New &Tank Minder", main, [main] { main->NewPanel(TankMinderRecord()); })
        ->setStatusTip("Create Tank Minder");
    gauges
        ->addAction("New Multi&bar", Qt::Key_F6, main, [main] { main->NewPanel(MultibarRecord()); })
        ->setStatusTip("Create Multi-Gauge Bar Graph");
    gauges
        ->addAction("New &Histogram", QKeySequence(Qt::SHIFT | Qt::Key_F7), main,
                    [main] { main->NewPanel(HistogramRecord()); })
        ->setStatusTip("Create Moving Histogram");
    gauges->addAction("New C&lock", main, [main] { main->NewPanel(ClockRecord()); })
        ->setStatusTip("Create Clock");
    gauges->addAction("New &Picture", main, [main] { main->NewPanel(PictureRecord()); })
        ->setStatusTip("Create Picture");
    gauges->addAction("New Te&xt", main, [main] { main->NewPanel(TextPanelRecord()); })
        ->setStatusTip("Create Text Panel");
    gauges->addAction("New &Message Box", main, [main] { main->NewPanel(MessageBoxRecord()); })
        ->setStatusTip("Create Message Box");
    gauges->addSeparator();
    gauges->addAction("&Delete Gauge", main, &MainWindow::DeleteSelectedPanel);
    QAction* diagnostics = menuBar()->addAction("&Diagnostics");
    diagnostics->setShortcut(Qt::Key_F10);
    diagnostics->setStatusTip("Show the recent fault codes of the vehicle");
    connect(diagnostics, &QAction::triggered, main, &MainWindow::ShowDiagnostics);
    QAction* maintenance = menuBar()->addAction("&Maintenance");
    maintenance->setStatusTip("Keep the maintenance schedule and the maintenance performed");
    connect(maintenance, &QAction::triggered, main, &MainWindow::ShowMaintenance);
    QMenu* tires = menuBar()->addMenu("T&ires");
    tires->addAction("&Status...", main, &MainWindow::ShowTireStatus)
        ->setStatusTip("Show the tire sensors, learn and clear them, and set the wheel layout");
    tires->addAction("&New Gauge", main, [main] { main->NewPanel(TireGaugeRecord()); })
        ->setStatusTip("Create Tire Gauge");
    QMenu* advanced = menuBar()->addMenu("&Advanced");
    advanced->addAction("Engine &Type...", main, &MainWindow::ChooseEngineType)
        ->setStatusTip("Choose the engine file that gives torque and horsepower");
    advanced->addAction("&Text Color...", main, &MainWindow::ChooseTextColor);
    QAction* dataLogging = advanced->addAction("&Data Logging...", main, &MainWindow::ShowDataLog);
    dataLogging->setObjectName("dataLogging");
    dataLogging->setStatusTip("Save ongoing data to a file.");
    advanced->addAction("&Messages...", main, &MainWindow::EditMessages)
        ->setStatusTip("Set up the text messages shown in message boxes");
    advanced->addAction("Audible &Alarms...", main, &MainWindow::EditAlarms)
        ->setStatusTip("Set up the sounds played when a value goes over or under a limit");
    advanced->addAction("&Wallpaper...", main, &MainWindow::ChooseWallpaper);
    advanced->addAction("&Engine Corrections...", main, &MainWindow::EditEngineCorrections)
        ->setStatusTip("Correct the odometer, hour meter and fuel meter");
    QAction* communications =
        advanced->addAction("&Communications...", main, &MainWindow::EditCommunications);
    communications->setStatusTip("Configure and troubleshoot communication settings.");
    connect(advanced, &QMenu::aboutToShow, communications,
            [communications, main] { communications->setEnabled(main->CanEditCommunications()); });
    advanced->addAction("&PID Sniffer...", main, &MainWindow::SniffPids)
        ->setStatusTip("List the PIDs the vehicle sends and define parameters for them");
    advanced->addAction("P&arameter Editor...", main, &MainWindow::EditParameters)
        ->setStatusTip("Edit the names, scales, warning lines and formats of the parameters");
    QAction* rawLog = advanced->addAction("Raw &Log...", main, &MainWindow::ShowRawLog);
    rawLog->setStatusTip("Save raw vehicle data for expert analysis.");
    connect(advanced, &QMenu::aboutToShow, rawLog,
            [rawLog, main] { rawLog->setEnabled(main->CanRecordRawLog()); });
    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction("&About Rovik...", this, &CMainFrame::ShowAbout);
}

void CMainFrame::ShowLinkStatus() {
    const LinkReader* link = mainWindow->State().Link();
    if (!link) {
        linkStatus->clear();
        return;
    }
    const QString status = LinkStatusText(link->GetStatus());
    linkStatus->setText(mainWindow->State().IsPlayingBack() ? "Demo: " + status : status);
}

void CMainFrame::ShowAbout() {
    QMessageBox::about(
        this, "About Rovik",
        QString(kVersionText) + "\n\nNorvane Electronics\nA dashboard for heavy-duty vehicles.");
}

void CMainFrame::ApplyPlacement(const WindowPlacement& placement) {
    setWindowState(Qt::WindowNoState);
    if (std::optional<QRect> normal = NormalRect(placement)) {
        setGeometry(OnSomeScreen(*normal) ? *normal : OntoPrimaryScreen(*normal));
    }
    setWindowState(StateFor(placement.showCommand));
}

WindowPlacement CMainFrame::CurrentPlacement() const {
    WindowPlacement placement;
    placement.showCommand = isMinimized()   ? WindowPlacement::kShowMinimized
                            : isMaximized() ? WindowPlacement::kShowMaximized
                                            : WindowPlacement::kShowNormal;
    QRect normal = normalGeometry();
    placement.left = normal.x();
    placement.top = normal.y();
    placement.right = normal.x() + normal.width();
    placement.bottom = normal.y() + normal.height();
    return placement;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The threads must be stopped before anything they use goes away.
    mainWindow->Shutdown();
    event->accept();
}

}  // namespace rovik
