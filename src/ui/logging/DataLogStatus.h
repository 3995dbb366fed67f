#pragma once

#include <QLabel>
#include <QTimer>

namespace rovik {

class DataLogger;

// Says in the status bar when the data log cannot write its lines, which would otherwise
// only show when the file is read; empty while all is well. The logger must outlive it.
class DataLogStatus : public QLabel {
    Q_OBJECT
public:
    explicit DataLogStatus(const DataLogger& logger, QWidget* parent = nullptr);

private:
    void Show();

    const DataLogger& logger;
    QTimer timer;
};

}  // namespace rovik
