#pragma once

#include <QDialog>
#include <QTimer>
#include <cstdint>

class QLabel;
class QListWidget;

namespace rovik {

class FaultCollector;

// "Recent Diagnostic Events": the recent faults in alphabetical order (by source, type and
// code), refreshed while the dialog is open, with commands to clear the list, view the
// history file and clear it.
class RecentEventsDialog : public QDialog {
    Q_OBJECT
public:
    // The list is checked this often and redrawn when a fault was recorded or cleared.
    static constexpr int kRefreshMs = 500;

    explicit RecentEventsDialog(FaultCollector& faults, QWidget* parent = nullptr);

    void ClearList();
    void ViewHistory();
    void ClearHistory();

private:
    void Refresh();
    QString HistoryPath() const;

    FaultCollector& faults;
    QListWidget* list;
    QLabel* note;
    QTimer timer;
    // The running total the list shows; none before the first refresh.
    std::int64_t shownTotal = -1;
};

}  // namespace rovik
