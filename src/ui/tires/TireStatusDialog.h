#pragma once

#include <QDialog>
#include <QTimer>
#include <string>

#include "core/tires/TireReceiverWatch.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace rovik {

class TireLayoutGrid;
class TireMonitor;

// "Tire Status": the sixteen sensors as the receiver reports them, refreshed four times a
// second, with Learn, Abort Learning, Clear and Query for the receiver, whether it talks,
// and the wheel layout to edit. OK keeps the layout in its file; any other close keeps
// nothing.
class TireStatusDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 250;

    TireStatusDialog(TireMonitor& tires, std::string layoutPath, QWidget* parent = nullptr);

    void Learn();
    void Clear();
    void accept() override;

private:
    QListWidget* MakeSensorList();
    QWidget* MakeLayoutSection();
    void Refresh();
    // The sensor of the selected row; shows the message and gives -1 when none is selected.
    int SelectedSensor(const char* missingText);
    // Tells the user what became of a command to the receiver.
    void Report(bool sent, const char* doneText, int sensor);
    // A command that could not leave: no box, or a recording plays.
    void WarnUnreachable();

    TireMonitor& tires;
    std::string layoutPath;
    TireReceiverWatch watch;
    QListWidget* sensorList;
    QLabel* linkBox;
    QPushButton* learnButton;
    QPushButton* abortButton;
    TireLayoutGrid* grid = nullptr;
    QTimer timer;
};

}  // namespace rovik
