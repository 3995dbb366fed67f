#pragma once

#include <QStyledItemDelegate>
#include <functional>

#include "core/maint/MaintenanceItem.h"

namespace rovik {

// Draws a row of the scheduled list in thirds: the name, the interval, and a cell in the
// item's status colour holding "DUE:" followed by the due value. A selected row is light
// grey with a black frame, others white.
class ScheduledItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using StatusOf = std::function<DueStatus(const MaintenanceItem&)>;

    // The row's item is in its data under kItemRole.
    static constexpr int kItemRole = Qt::UserRole;

    ScheduledItemDelegate(StatusOf status, QObject* parent)
        : QStyledItemDelegate(parent), status(std::move(status)) {}

    static QColor StatusColor(DueStatus status);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    StatusOf status;
};

}  // namespace rovik
