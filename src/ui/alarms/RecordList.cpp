#include "ui/alarms/RecordList.h"

#include <QKeyEvent>

#include "ui/alarms/RecordRowDelegate.h"

namespace rovik {

RecordList::RecordList(const QString& name, QWidget* parent) : QListWidget(parent) {
    setAccessibleName(name);
    setItemDelegate(new RecordRowDelegate(this));
    setUniformItemSizes(true);
    setMinimumSize(360, 200);
}

void RecordList::Insert(const QString& left, const QString& right, void* record,
                        const std::function<bool(const void* existing)>& goesBefore) {
    int row = 0;
    while (row < count() &&
           !goesBefore(item(row)->data(RecordRowDelegate::kRecordRole).value<void*>())) {
        ++row;
    }
    auto* entry = new QListWidgetItem(left);
    // Screen readers hear both halves.
    entry->setData(Qt::AccessibleTextRole, left + ", " + right);
    entry->setData(RecordRowDelegate::kRightRole, right);
    entry->setData(RecordRowDelegate::kRecordRole, QVariant::fromValue(record));
    insertItem(row, entry);
    setCurrentItem(entry);
}

void* RecordList::SelectedRecord() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) {
        return nullptr;
    }
    return selected.front()->data(RecordRowDelegate::kRecordRole).value<void*>();
}

void RecordList::RemoveSelected() {
    qDeleteAll(selectedItems());
}

void RecordList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace rovik
