#include "ui/maint/MaintenanceTrackingDialog.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "ui/maint/ItemPropertiesDialog.h"
#include "ui/maint/MaintenanceInstanceDialog.h"
#include "ui/maint/ScheduledItemDelegate.h"
#include "ui/maint/TabStopDelegate.h"

namespace rovik {

namespace {
constexpr int kItemRole = ScheduledItemDelegate::kItemRole;
// The history's columns: one tab stop every 100 dialog units.
constexpr int kHistoryTabStop = 100;
constexpr int kListWidth = 680;
// Bytes of these codes are dropped when the file is read, so they are not kept either.
constexpr char16_t kLastControlCode = 15;

QPushButton* MakeButton(const QString& text) {
    auto* button = new QPushButton(text);
    // Return in a list opens the entry; it must not also press a button of the dialog.
    button->setAutoDefault(false);
    return button;
}

QPlainTextEdit* MakeServiceItemsBox() {
    auto* box = new QPlainTextEdit;
    box->setTabChangesFocus(true);
    box->setMaximumHeight(box->fontMetrics().lineSpacing() * 5);
    return box;
}

QLabel* LabelFor(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    return label;
}

template <typename Entry>
Entry* EntryOf(const QListWidget* list) {
    const QList<QListWidgetItem*> rows = list->selectedItems();
    return rows.isEmpty() ? nullptr
                          : static_cast<Entry*>(rows.front()->data(kItemRole).value<void*>());
}

template <typename Entry>
QListWidgetItem* MakeRow(const std::string& text, Entry& entry) {
    auto* row = new QListWidgetItem(QString::fromLatin1(text.c_str()));
    row->setData(kItemRole, QVariant::fromValue(static_cast<void*>(&entry)));
    return row;
}

// One line of the box a service item, whichever line ends it was given.
std::vector<std::string> LinesOf(const QString& text) {
    QStringList lines = text.split(QRegularExpression("\r\n|\r|\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    std::vector<std::string> items;
    for (QString& line : lines) {
        line.removeIf([](QChar c) { return c.unicode() <= kLastControlCode; });
        items.push_back(line.toLatin1().toStdString());
    }
    return items;
}

void ShowLines(QPlainTextEdit* box, const std::vector<std::string>* lines) {
    QStringList shown;
    for (const std::string& line : lines ? *lines : std::vector<std::string>()) {
        shown << QString::fromLatin1(line.c_str());
    }
    box->setPlainText(shown.join('\n'));
    box->document()->setModified(false);
    // With nothing selected, text typed here would belong to nothing.
    box->setEnabled(lines != nullptr);
}
}  // namespace

Moment MaintenanceTrackingDialog::SystemNow() {
    return std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
}

MaintenanceTrackingDialog::MaintenanceTrackingDialog(const VehicleTotals& totals, std::string path,
                                                     QWidget* parent, Clock clock)
    : QDialog(parent),
      totals(totals),
      path(std::move(path)),
      clock(std::move(clock)),
      loaded(MaintenanceFile::Load(this->path, this->clock(), Distance())),
      schedule(loaded.schedule),
      scheduled(new QListWidget),
      itemServiceItems(MakeServiceItemsBox()),
      history(new QListWidget),
      recordServiceItems(MakeServiceItemsBox()),
      editItem(MakeButton(tr("&Edit"))),
      deleteItem(MakeButton(tr("&Delete"))),
      performItem(MakeButton(tr("&Perform"))),
      editRecord(MakeButton(tr("Ed&it"))),
      deleteRecord(MakeButton(tr("De&lete"))) {
    setWindowTitle(tr("Maintenance Tracking"));
    QPushButton* close = MakeButton(tr("&Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeScheduledGroup());
    layout->addWidget(MakeHistoryGroup());
    layout->addLayout(closeRow);
    setTabOrder(itemServiceItems, history);
    setTabOrder(recordServiceItems, close);

    for (MaintenanceItem& item : schedule.items) {
        PlaceItemRow(item);
    }
    for (MaintenanceRecord& record : schedule.history) {
        AddRecordRow(record);
    }
    ShowSelectedItem();
    ShowSelectedRecord();
    scheduled->setFocus();
}

QWidget* MaintenanceTrackingDialog::MakeScheduledGroup() {
    auto* group = new QGroupBox(tr("Maintenance Items Scheduled"));
    scheduled->setAccessibleName(group->title());
    scheduled->setMinimumWidth(kListWidth);
    scheduled->setItemDelegate(new ScheduledItemDelegate(
        [this](const MaintenanceItem& item) { return item.StatusAt(clock(), Distance()); },
        scheduled));
    QPushButton* add = MakeButton(tr("&Add"));
    connect(add, &QPushButton::clicked, this, &MaintenanceTrackingDialog::AddItem);
    connect(editItem, &QPushButton::clicked, this, &MaintenanceTrackingDialog::EditItem);
    connect(deleteItem, &QPushButton::clicked, this, &MaintenanceTrackingDialog::DeleteItem);
    connect(performItem, &QPushButton::clicked, this, &MaintenanceTrackingDialog::PerformItem);
    connect(scheduled, &QListWidget::itemSelectionChanged, this,
            &MaintenanceTrackingDialog::ShowSelectedItem);
    connect(scheduled, &QListWidget::itemActivated, this, &MaintenanceTrackingDialog::EditItem);
    itemServiceItems->installEventFilter(this);

    auto* grid = new QGridLayout(group);
    grid->addWidget(scheduled, 0, 0, 5, 1);
    QWidget* const order[] = {scheduled, add, editItem, deleteItem, performItem};
    for (int row = 1; row < 5; ++row) {
        grid->addWidget(order[row], row - 1, 1);
        setTabOrder(order[row - 1], order[row]);
    }
    grid->setRowStretch(4, 1);
    grid->addWidget(LabelFor(tr("&Service Items:"), itemServiceItems), 5, 0, 1, 2);
    grid->addWidget(itemServiceItems, 6, 0, 1, 2);
    setTabOrder(performItem, itemServiceItems);
    return group;
}

QWidget* MaintenanceTrackingDialog::MakeHistoryGroup() {
    auto* group = new QGroupBox(tr("Maintenance Items Completed"));
    history->setAccessibleName(group->title());
    history->setItemDelegate(new TabStopDelegate(kHistoryTabStop, history));
    connect(editRecord, &QPushButton::clicked, this, &MaintenanceTrackingDialog::EditRecord);
    connect(deleteRecord, &QPushButton::clicked, this, &MaintenanceTrackingDialog::DeleteRecord);
    connect(history, &QListWidget::itemSelectionChanged, this,
            &MaintenanceTrackingDialog::ShowSelectedRecord);
    connect(history, &QListWidget::itemActivated, this, &MaintenanceTrackingDialog::EditRecord);
    recordServiceItems->installEventFilter(this);

    auto* grid = new QGridLayout(group);
    grid->addWidget(history, 0, 0, 3, 1);
    grid->addWidget(editRecord, 0, 1);
    grid->addWidget(deleteRecord, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addWidget(LabelFor(tr("Se&rvice Items:"), recordServiceItems), 3, 0, 1, 2);
    grid->addWidget(recordServiceItems, 4, 0, 1, 2);
    setTabOrder(history, editRecord);
    setTabOrder(editRecord, deleteRecord);
    setTabOrder(deleteRecord, recordServiceItems);
    return group;
}

MaintenanceItem* MaintenanceTrackingDialog::SelectedItem() const {
    return EntryOf<MaintenanceItem>(scheduled);
}

MaintenanceRecord* MaintenanceTrackingDialog::SelectedRecord() const {
    return EntryOf<MaintenanceRecord>(history);
}

QListWidgetItem* MaintenanceTrackingDialog::PlaceItemRow(MaintenanceItem& item) {
    auto itemAt = [this](int row) {
        return static_cast<MaintenanceItem*>(scheduled->item(row)->data(kItemRole).value<void*>());
    };
    for (int row = 0; row < scheduled->count(); ++row) {
        if (itemAt(row) == &item) {
            delete scheduled->takeItem(row);
            break;
        }
    }
    int row = 0;
    while (row < scheduled->count() && itemAt(row)->dueTime < item.dueTime) {
        ++row;
    }
    QListWidgetItem* entry =
        MakeRow(item.name + '\t' + item.IntervalText() + "\tDUE:\t" + item.DueText(), item);
    scheduled->insertItem(row, entry);
    return entry;
}

QListWidgetItem* MaintenanceTrackingDialog::AddRecordRow(MaintenanceRecord& record) {
    QListWidgetItem* row = MakeRow(record.RowText(), record);
    history->addItem(row);
    return row;
}

void MaintenanceTrackingDialog::ShowSelectedItem() {
    MaintenanceItem* item = SelectedItem();
    for (QPushButton* button : {editItem, deleteItem, performItem}) {
        button->setEnabled(item != nullptr);
    }
    ShowLines(itemServiceItems, item ? &item->serviceItems : nullptr);
}

void MaintenanceTrackingDialog::ShowSelectedRecord() {
    MaintenanceRecord* record = SelectedRecord();
    editRecord->setEnabled(record != nullptr);
    deleteRecord->setEnabled(record != nullptr);
    ShowLines(recordServiceItems, record ? &record->serviceItems : nullptr);
}

bool MaintenanceTrackingDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        (watched == itemServiceItems || watched == recordServiceItems)) {
        KeepServiceItems(static_cast<QPlainTextEdit*>(watched));
    }
    return QDialog::eventFilter(watched, event);
}

void MaintenanceTrackingDialog::KeepServiceItems(QPlainTextEdit* box) {
    if (!box->document()->isModified()) {
        return;
    }
    box->document()->setModified(false);
    MaintenanceItem* item = SelectedItem();
    MaintenanceRecord* record = SelectedRecord();
    if (box == itemServiceItems && item) {
        item->serviceItems = LinesOf(box->toPlainText());
    } else if (box == recordServiceItems && record) {
        record->serviceItems = LinesOf(box->toPlainText());
    }
}

void MaintenanceTrackingDialog::AddItem() {
    ItemPropertiesDialog dialog(ItemProperties::ForNew(clock(), Distance()), this);
    if (dialog.exec() != Accepted) {
        return;
    }
    MaintenanceItem item(clock(), Distance());
    dialog.Result().ApplyTo(item);
    scheduled->setCurrentItem(PlaceItemRow(schedule.Add(item)));
}

void MaintenanceTrackingDialog::EditItem() {
    MaintenanceItem* item = SelectedItem();
    if (!item) {
        return;
    }
    ItemPropertiesDialog dialog(ItemProperties::Of(*item), this);
    if (dialog.exec() != Accepted) {
        return;
    }
    dialog.Result().ApplyTo(*item);
    scheduled->setCurrentItem(PlaceItemRow(*item));
}

void MaintenanceTrackingDialog::DeleteItem() {
    MaintenanceItem* item = SelectedItem();
    if (!item) {
        return;
    }
    delete scheduled->selectedItems().front();
    schedule.Remove(*item);
    scheduled->setCurrentItem(nullptr);
    ShowSelectedItem();
}

void MaintenanceTrackingDialog::PerformItem() {
    MaintenanceItem* item = SelectedItem();
    if (!item) {
        return;
    }
    MaintenanceRecord& record = schedule.Perform(*item, clock(), Distance());
    scheduled->setCurrentItem(PlaceItemRow(*item));
    history->setCurrentItem(AddRecordRow(record));
}

void MaintenanceTrackingDialog::EditRecord() {
    MaintenanceRecord* record = SelectedRecord();
    if (!record) {
        return;
    }
    MaintenanceInstanceDialog dialog(record->doneMileage, record->doneTime, this);
    if (dialog.exec() != Accepted) {
        return;
    }
    record->doneMileage = dialog.Odometer();
    record->doneTime = dialog.Performed();
    // The row keeps its place: the list shows the history in its order, as the file has it.
    history->selectedItems().front()->setText(QString::fromLatin1(record->RowText().c_str()));
}

void MaintenanceTrackingDialog::DeleteRecord() {
    MaintenanceRecord* record = SelectedRecord();
    if (!record) {
        return;
    }
    delete history->selectedItems().front();
    schedule.Remove(*record);
    history->setCurrentItem(nullptr);
    ShowSelectedRecord();
}

void MaintenanceTrackingDialog::done(int result) {
    KeepServiceItems(itemServiceItems);
    KeepServiceItems(recordServiceItems);
    SaveChanges();
    QDialog::done(result);
}

void MaintenanceTrackingDialog::SaveChanges() {
    if (schedule == loaded.schedule) {
        return;
    }
    if (loaded.found == MaintenanceFile::Found::kOther && !MayReplaceOtherFile()) {
        return;
    }
    while (!MaintenanceFile::Save(path, schedule)) {
        QMessageBox box(QMessageBox::Warning, tr("Rovik Error"), tr("Error Saving File"),
                        QMessageBox::Retry | QMessageBox::Discard, this);
        box.setInformativeText(
            tr("The maintenance schedule could not be written to %1. The file there is as it "
               "was.\nRetry, or discard the changes made since this dialog opened.")
                .arg(QFileInfo(QString::fromLocal8Bit(path.c_str())).absoluteFilePath()));
        if (box.exec() != QMessageBox::Retry) {
            return;
        }
    }
}

bool MaintenanceTrackingDialog::MayReplaceOtherFile() {
    const QString file = QFileInfo(QString::fromLocal8Bit(path.c_str())).absoluteFilePath();
    return QMessageBox::question(
               this, windowTitle(),
               tr("%1 is not a maintenance file, or it could not be read.\nReplace it with "
                  "this maintenance schedule?")
                   .arg(file),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace rovik
