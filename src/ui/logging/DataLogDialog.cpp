#include "ui/logging/DataLogDialog.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "core/logging/DataLogger.h"
#include "core/params/ParameterTable.h"
#include "ui/app/FilePath.h"
#include "ui/params/ParameterNames.h"

namespace rovik {

namespace {
constexpr std::size_t kMaxColumns = DataLogSettings::kMaxColumns;

QHBoxLayout* RowLayout(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}
}  // namespace

DataLogDialog::DataLogDialog(const ParameterTable& parameters, DataLogger& logger,
                             bool automaticallyStartLog, QWidget* parent)
    : QDialog(parent),
      parameters(parameters),
      logger(logger),
      columns(logger.CurrentSettings().columns) {
    setWindowTitle(tr("Data Log Settings"));
    // Made in reading order, which is also the order Tab visits them in.
    auto* choices = new QHBoxLayout;
    choices->addWidget(MakeParameterList(), 1);
    auto* side = new QVBoxLayout;
    choices->addLayout(side);
    side->addWidget(MakeRecordingGroup());
    side->addWidget(MakeIntervalRow());
    autoStartBox = MakeCheckBox(tr("&Automatically Start Log"), automaticallyStartLog);
    side->addWidget(autoStartBox);
    engineOffBox =
        MakeCheckBox(tr("Log When &Engine Off"), logger.CurrentSettings().logWhenEngineOff);
    side->addWidget(engineOffBox);
    side->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(MakeFileRow());
    layout->addWidget(buttons);
    ShowRecording(logger.IsRecording());
}

QString DataLogDialog::FrameTitle(const DataLogger& logger) {
    if (!logger.IsRecording()) {
        return "Rovik";
    }
    return "Rovik - Logging " + FromPath(logger.CurrentSettings().fileName);
}

bool DataLogDialog::AutomaticallyStartLog() const {
    return autoStartBox->isChecked();
}

QWidget* DataLogDialog::MakeParameterList() {
    parameterList = new QListWidget;
    // A click or the space bar toggles one line and leaves the others as they are.
    parameterList->setSelectionMode(QAbstractItemView::MultiSelection);
    parameterList->setMinimumSize(220, 260);
    FillParameterList();
    // Rebuilt only when the user changes the selection, so OK alone keeps the columns as
    // they were, order and PIDs the table lacks included.
    connect(parameterList, &QListWidget::itemSelectionChanged, this,
            &DataLogDialog::RebuildColumns);
    auto* label = new QLabel(tr("&Parameters"));
    label->setBuddy(parameterList);
    // A list takes no name from its label, as other controls do.
    parameterList->setAccessibleName(tr("Parameters"));
    columnLimitNote =
        new QLabel(tr("Only the first %1 selected parameters are logged.").arg(kMaxColumns));
    columnLimitNote->setWordWrap(true);
    columnLimitNote->hide();
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(parameterList);
    layout->addWidget(columnLimitNote);
    return box;
}

void DataLogDialog::FillParameterList() {
    parameterList->addItems(SortedParameterNames(parameters));
    for (int row = 0; row < parameterList->count(); ++row) {
        QListWidgetItem& line = *parameterList->item(row);
        line.setSelected(std::find(columns.begin(), columns.end(), PidOf(line)) != columns.end());
    }
}

// Every line names a parameter of the table.
std::uint16_t DataLogDialog::PidOf(const QListWidgetItem& line) const {
    return parameters.FindByName(line.text().toLatin1().toStdString())->pid;
}

// The columns follow the list's alphabetical order, whatever order the lines were chosen in.
void DataLogDialog::RebuildColumns() {
    columns.clear();
    for (int row = 0; row < parameterList->count(); ++row) {
        const QListWidgetItem& line = *parameterList->item(row);
        if (line.isSelected()) {
            columns.push_back(PidOf(line));
        }
    }
    columnLimitNote->setVisible(columns.size() > kMaxColumns);
    columns.resize(std::min(columns.size(), kMaxColumns));
}

QGroupBox* DataLogDialog::MakeRecordingGroup() {
    startButton = new QRadioButton(tr("S&tart"));
    stopButton = new QRadioButton(tr("St&op"));
    connect(startButton, &QRadioButton::clicked, this, &DataLogDialog::StartLogging);
    connect(stopButton, &QRadioButton::clicked, this, &DataLogDialog::StopLogging);
    auto* group = new QGroupBox(tr("Recording"));
    QHBoxLayout* layout = RowLayout(group);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(startButton);
    layout->addWidget(stopButton);
    return group;
}

QWidget* DataLogDialog::MakeIntervalRow() {
    intervalField = new QLineEdit(QString::number(logger.CurrentSettings().interval));
    intervalField->setMaximumWidth(80);
    auto* label = new QLabel(tr("Time &Interval"));
    label->setBuddy(intervalField);
    auto* row = new QWidget;
    QHBoxLayout* layout = RowLayout(row);
    layout->addWidget(label);
    layout->addWidget(intervalField);
    layout->addWidget(new QLabel(tr("Seconds")));
    layout->addStretch();
    return row;
}

QWidget* DataLogDialog::MakeFileRow() {
    nameField = new QLineEdit(FromPath(logger.CurrentSettings().fileName));
    nameField->setMinimumWidth(320);
    auto* label = new QLabel(tr("&Log File"));
    label->setBuddy(nameField);
    selectButton = new QPushButton(tr("&Select File"));
    clearButton = new QPushButton(tr("&Clear Log"));
    viewButton = new QPushButton(tr("&View Log"));
    connect(selectButton, &QPushButton::clicked, this, &DataLogDialog::SelectFile);
    connect(clearButton, &QPushButton::clicked, this, &DataLogDialog::ClearLog);
    connect(viewButton, &QPushButton::clicked, this, &DataLogDialog::ViewLog);
    auto* row = new QWidget;
    QHBoxLayout* layout = RowLayout(row);
    layout->addWidget(label);
    layout->addWidget(nameField, 1);
    for (QPushButton* button : {selectButton, clearButton, viewButton}) {
        // Enter in a field means OK, not one of these.
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    return row;
}

QCheckBox* DataLogDialog::MakeCheckBox(const QString& text, bool checked) {
    auto* box = new QCheckBox(text);
    box->setChecked(checked);
    return box;
}

void DataLogDialog::accept() {
    if (std::optional<DataLogSettings> choices = Choices()) {
        chosen = *choices;
        QDialog::accept();
    }
}

std::optional<DataLogSettings> DataLogDialog::Choices() {
    std::optional<std::uint32_t> interval = Interval();
    std::optional<std::string> name = interval ? FileName() : std::nullopt;
    if (!name) {
        return std::nullopt;
    }
    return DataLogSettings{*interval, columns, *name, engineOffBox->isChecked()};
}

std::optional<std::uint32_t> DataLogDialog::Interval() {
    bool isNumber = false;
    const unsigned seconds = intervalField->text().trimmed().toUInt(&isNumber);
    if (isNumber && seconds >= DataLogSettings::kMinInterval &&
        seconds <= DataLogSettings::kMaxInterval) {
        return seconds;
    }
    Refuse(intervalField, tr("Please enter an integer between %1 and %2.")
                              .arg(DataLogSettings::kMinInterval)
                              .arg(DataLogSettings::kMaxInterval));
    return std::nullopt;
}

std::optional<std::string> DataLogDialog::FileName() {
    // The file being written keeps its name; the field cannot change it meanwhile.
    if (logger.IsRecording()) {
        return logger.CurrentSettings().fileName;
    }
    const QString typed = nameField->text().trimmed();
    if (typed.isEmpty()) {
        Refuse(nameField, tr("Please enter the name of the log file."));
        return std::nullopt;
    }
    return DataLogger::FileNameFor(ToPath(typed));
}

void DataLogDialog::Refuse(QWidget* field, const QString& text) {
    QMessageBox::warning(this, windowTitle(), text);
    field->setFocus();
}

void DataLogDialog::StartLogging() {
    if (!logger.IsRecording()) {
        if (std::optional<DataLogSettings> choices = Choices()) {
            nameField->setText(FromPath(choices->fileName));
            logger.Start(*choices);
        }
    }
    ShowRecording(logger.IsRecording());
}

void DataLogDialog::StopLogging() {
    logger.Stop();
    ShowRecording(false);
}

void DataLogDialog::ShowRecording(bool on) {
    startButton->setChecked(on);
    stopButton->setChecked(!on);
    // The two are one Tab stop, the checked one; the arrow keys move between them.
    startButton->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
    stopButton->setFocusPolicy(on ? Qt::ClickFocus : Qt::StrongFocus);
    nameField->setEnabled(!on);
    selectButton->setEnabled(!on);
    clearButton->setEnabled(!on);
}

void DataLogDialog::ClearLog() {
    std::optional<std::string> name = FileName();
    if (!name) {
        return;
    }
    const QString shown = FromPath(*name);
    nameField->setText(shown);
    if (QFileInfo::exists(shown) &&
        QMessageBox::question(
            this, windowTitle(),
            tr("Empty the log file %1? The lines in it will be lost.").arg(shown)) !=
            QMessageBox::Yes) {
        return;
    }
    if (!logger.Clear(*name, columns)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The log file %1 could not be written.").arg(shown));
    }
}

void DataLogDialog::ViewLog() {
    std::optional<std::string> name = FileName();
    if (!name) {
        return;
    }
    const QFileInfo log(FromPath(*name));
    if (!log.isFile()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("There is no log file %1.").arg(log.absoluteFilePath()));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(log.absoluteFilePath()))) {
        QMessageBox::warning(
            this, windowTitle(),
            tr("No program could be started to show %1.").arg(log.absoluteFilePath()));
    }
}

void DataLogDialog::SelectFile() {
    QFileDialog chooser(this, tr("Select File"), nameField->text(), tr("Text Files (*.txt)"));
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setDefaultSuffix("txt");
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty()) {
        nameField->setText(chooser.selectedFiles().constFirst());
    }
}

}  // namespace rovik
