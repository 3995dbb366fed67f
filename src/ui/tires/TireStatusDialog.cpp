#include "ui/tires/TireStatusDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/tires/TireLayoutFile.h"
#include "core/tires/TireMonitor.h"
#include "ui/tires/TireLayoutGrid.h"

namespace rovik {

namespace {
// As wide as a sensor's longest line.
constexpr int kLineWidth = 66;

struct PresetButton {
    const char* text;
    TireLayout::Preset preset;
};
constexpr PresetButton kPresets[] = {{"&6 Wheel", TireLayout::Preset::SixWheel},
                                     {"&8 Wheel", TireLayout::Preset::EightWheel},
                                     {"6+&4 Wheels", TireLayout::Preset::SixPlusFour},
                                     {"8+4 &Wheels", TireLayout::Preset::EightPlusFour}};
}  // namespace

TireStatusDialog::TireStatusDialog(TireMonitor& monitor, std::string path, QWidget* parent)
    : QDialog(parent),
      tires(monitor),
      layoutPath(std::move(path)),
      sensorList(MakeSensorList()),
      linkBox(new QLabel(this)),
      learnButton(new QPushButton("&Learn", this)),
      abortButton(new QPushButton("&Abort Learning", this)) {
    setWindowTitle("Tire Status");
    auto* clear = new QPushButton("&Clear", this);
    auto* query = new QPushButton("&Query", this);
    connect(learnButton, &QPushButton::clicked, this, &TireStatusDialog::Learn);
    connect(abortButton, &QPushButton::clicked, this, [this] { tires.AbortLearning(); });
    connect(clear, &QPushButton::clicked, this, &TireStatusDialog::Clear);
    connect(query, &QPushButton::clicked, this, [this] {
        if (!tires.Query(TireMonitor::kFirstMid)) {
            WarnUnreachable();
        }
    });
    auto* commands = new QVBoxLayout;
    for (QPushButton* button : {learnButton, abortButton, clear, query}) {
        button->setAutoDefault(false);
        commands->addWidget(button);
    }
    commands->addStretch();
    auto* link = new QLabel("Receiver Link:", this);
    linkBox->setAccessibleName("Receiver Link");
    linkBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    commands->addWidget(link);
    commands->addWidget(linkBox);

    auto* sensors = new QHBoxLayout;
    sensors->addWidget(sensorList, 1);
    sensors->addLayout(commands);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sensors);
    layout->addWidget(MakeLayoutSection());
    // Made last, so Tab comes to them last.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TireStatusDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    grid->Show(TireLayoutFile::Read(layoutPath).value_or(TireLayout()));
    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, &TireStatusDialog::Refresh);
    timer.start();
    tires.Query(tires.TireMid());
    linkBox->setText(watch.Update(tires.FrameCount()));
    abortButton->setEnabled(false);
}

QListWidget* TireStatusDialog::MakeSensorList() {
    auto* list = new QListWidget(this);
    list->setAccessibleName("Tire Sensors");
    QFont font("Courier New", 9);
    font.setStyleHint(QFont::TypeWriter);
    list->setFont(font);
    for (std::size_t sensor = 0; sensor < TireMonitor::kSensorCount; ++sensor) {
        list->addItem(QString(kLineWidth, '.'));
    }
    const QFontMetrics metrics(font);
    list->setMinimumSize(metrics.horizontalAdvance(QString(kLineWidth + 2, 'M')) +
                             list->verticalScrollBar()->sizeHint().width(),
                         list->sizeHintForRow(0) * static_cast<int>(TireMonitor::kSensorCount) +
                             2 * list->frameWidth());
    return list;
}

QWidget* TireStatusDialog::MakeLayoutSection() {
    auto* section = new QGroupBox("Sensor Position", this);
    grid = new TireLayoutGrid(section);
    grid->setAccessibleName(section->title());
    auto* presets = new QVBoxLayout;
    for (const PresetButton& preset : kPresets) {
        auto* button = new QPushButton(preset.text, section);
        button->setAutoDefault(false);
        const TireLayout::Preset which = preset.preset;
        connect(button, &QPushButton::clicked, this,
                [this, which] { grid->Show(TireLayout::Of(which)); });
        presets->addWidget(button);
    }
    presets->addStretch();
    auto* layout = new QHBoxLayout(section);
    layout->addWidget(grid, 1);
    layout->addLayout(presets);
    return section;
}

void TireStatusDialog::Refresh() {
    for (std::size_t sensor = 0; sensor < TireMonitor::kSensorCount; ++sensor) {
        const QString line =
            QString::fromLatin1(tires.Sensor(sensor).StatusLine(static_cast<int>(sensor)));
        QListWidgetItem* row = sensorList->item(static_cast<int>(sensor));
        if (row->text() != line) {
            row->setText(line);
        }
    }
    const bool learning = tires.LearnPending();
    learnButton->setEnabled(!learning);
    abortButton->setEnabled(learning);
    linkBox->setText(watch.Update(tires.FrameCount()));
}

int TireStatusDialog::SelectedSensor(const char* missingText) {
    const int row = sensorList->currentRow();
    if (row < 0 || !sensorList->item(row)->isSelected()) {
        QMessageBox::information(this, "Rovik", missingText);
        return -1;
    }
    return row;
}

void TireStatusDialog::Learn() {
    const int sensor = SelectedSensor("Select a tire position to learn");
    if (sensor >= 0) {
        Report(tires.Learn(static_cast<std::uint8_t>(sensor)), "Listening for sensor #%1", sensor);
    }
}

void TireStatusDialog::Clear() {
    const int sensor = SelectedSensor("Select a tire position to clear");
    if (sensor >= 0) {
        Report(tires.Clear(static_cast<std::uint8_t>(sensor)), "Clearing sensor #%1", sensor);
    }
}

void TireStatusDialog::Report(bool sent, const char* doneText, int sensor) {
    Refresh();
    if (sent) {
        QMessageBox::information(this, "Rovik", QString(doneText).arg(sensor));
    } else {
        WarnUnreachable();
    }
}

void TireStatusDialog::WarnUnreachable() {
    QMessageBox::warning(this, "Rovik",
                         "The tire receiver cannot be reached: the box is not connected.");
}

// A layout that cannot be written keeps the dialog open, so the user may try again or
// cancel without losing what was entered.
void TireStatusDialog::accept() {
    timer.stop();
    if (!TireLayoutFile::Write(layoutPath, grid->Layout())) {
        QMessageBox::warning(this, "File Error", "Error Writing Tire Layout File");
        timer.start();
        return;
    }
    QDialog::accept();
}

}  // namespace rovik
