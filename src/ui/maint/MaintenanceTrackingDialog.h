#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "core/maint/MaintenanceFile.h"
#include "core/trip/VehicleTotals.h"

class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace rovik {

// "Maintenance Tracking": the scheduled items in the order they fall due, each with its
// status colour, and the history of maintenance performed. It reads maintenance.rvk when
// it opens and, when anything changed, writes it whole when it closes; a write that fails
// is reported with the choice to try again, and a file that is not a maintenance file is
// only replaced when the user says so.
class MaintenanceTrackingDialog : public QDialog {
    Q_OBJECT
public:
    using Clock = std::function<Moment()>;

    static Moment SystemNow();

    // Mileage is the vehicle's total distance as the totals hold it at each step.
    explicit MaintenanceTrackingDialog(const VehicleTotals& totals,
                                       std::string path = MaintenanceFile::kFileName,
                                       QWidget* parent = nullptr, Clock clock = SystemNow);

    const MaintenanceSchedule& Schedule() const { return schedule; }

    void done(int result) override;

protected:
    // Service items typed into a text box go to the selected item or record when the box
    // loses the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeScheduledGroup();
    QWidget* MakeHistoryGroup();
    double Distance() const { return totals.Current().distance; }
    MaintenanceItem* SelectedItem() const;
    MaintenanceRecord* SelectedRecord() const;
    // Puts the item's row before the first whose item is not due earlier.
    QListWidgetItem* PlaceItemRow(MaintenanceItem& item);
    QListWidgetItem* AddRecordRow(MaintenanceRecord& record);
    void ShowSelectedItem();
    void ShowSelectedRecord();
    void KeepServiceItems(QPlainTextEdit* box);

    void AddItem();
    void EditItem();
    void DeleteItem();
    void PerformItem();
    void EditRecord();
    void DeleteRecord();
    void SaveChanges();
    bool MayReplaceOtherFile();

    const VehicleTotals& totals;
    std::string path;
    Clock clock;
    MaintenanceFile::Loaded loaded;
    MaintenanceSchedule schedule;

    QListWidget* scheduled;
    QPlainTextEdit* itemServiceItems;
    QListWidget* history;
    QPlainTextEdit* recordServiceItems;
    QPushButton* editItem;
    QPushButton* deleteItem;
    QPushButton* performItem;
    QPushButton* editRecord;
    QPushButton* deleteRecord;
};

}  // namespace rovik
