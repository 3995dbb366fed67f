#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rovik {

class RawLog;

// "Raw Data Logging": names the raw log and starts or stops it at once. The name stays
// fixed while recording; whatever the field holds when the dialog closes is kept for the
// next time.
class RawLogDialog : public QDialog {
    Q_OBJECT
public:
    explicit RawLogDialog(RawLog& log, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void StartLogging();
    // Asks before an earlier recording is emptied; true when the log may start.
    bool MayReplace();
    void StopLogging();
    void SelectFile();
    void ShowRecording(bool on);

    RawLog& log;
    QLineEdit* nameField;
    QPushButton* selectButton;
    QRadioButton* startButton;
    QRadioButton* stopButton;
};

}  // namespace rovik
