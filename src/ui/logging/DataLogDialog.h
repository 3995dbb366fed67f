#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/logging/DataLogSettings.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace rovik {

class DataLogger;
class ParameterTable;

// "Data Log Settings": the logged parameters, the interval, the file and the two switches.
// Start, Stop, Clear Log, View Log and Select File act at once; OK hands the rest back
// through Chosen, and Cancel keeps none of it (a log started here keeps running).
class DataLogDialog : public QDialog {
    Q_OBJECT
public:
    DataLogDialog(const ParameterTable& parameters, DataLogger& logger, bool automaticallyStartLog,
                  QWidget* parent = nullptr);

    // The frame's title for the log's state: it names the file while recording.
    static QString FrameTitle(const DataLogger& logger);

    // What OK took, once the dialog was accepted.
    const DataLogSettings& Chosen() const { return chosen; }
    bool AutomaticallyStartLog() const;

    // OK closes only when the interval and the file name are usable.
    void accept() override;

private:
    QWidget* MakeParameterList();
    QGroupBox* MakeRecordingGroup();
    QWidget* MakeIntervalRow();
    QWidget* MakeFileRow();
    QCheckBox* MakeCheckBox(const QString& text, bool checked);
    void FillParameterList();
    std::uint16_t PidOf(const QListWidgetItem& line) const;
    void RebuildColumns();
    std::optional<DataLogSettings> Choices();
    std::optional<std::uint32_t> Interval();
    std::optional<std::string> FileName();
    void StartLogging();
    void StopLogging();
    void ClearLog();
    void ViewLog();
    void SelectFile();
    void ShowRecording(bool on);
    void Refuse(QWidget* field, const QString& text);

    const ParameterTable& parameters;
    DataLogger& logger;
    std::vector<std::uint16_t> columns;
    DataLogSettings chosen;
    QListWidget* parameterList = nullptr;
    QLabel* columnLimitNote = nullptr;
    QRadioButton* startButton = nullptr;
    QRadioButton* stopButton = nullptr;
    QLineEdit* intervalField = nullptr;
    QCheckBox* autoStartBox = nullptr;
    QCheckBox* engineOffBox = nullptr;
    QLineEdit* nameField = nullptr;
    QPushButton* selectButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* viewButton = nullptr;
};

}  // namespace rovik
