#include "ui/maint/ScheduledItemDelegate.h"

#include <QPainter>

namespace rovik {

namespace {
constexpr int kPadding = 3;
const QColor kSelectedBackground(191, 191, 191);

// Left-aligned and cut with an ellipsis where its part of the row ends.
void DrawCell(QPainter& painter, const QRect& cell, const std::string& text) {
    const QRect inside = cell.adjusted(kPadding, 0, -kPadding, 0);
    const QString shown = painter.fontMetrics().elidedText(QString::fromLatin1(text.c_str()),
                                                           Qt::ElideRight, inside.width());
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter, shown);
}
}  // namespace

QColor ScheduledItemDelegate::StatusColor(DueStatus status) {
    switch (status) {
        case DueStatus::kRed:
            return QColor(255, 0, 0);
        case DueStatus::kYellow:
            return QColor(255, 255, 0);
        case DueStatus::kGreen:
            break;
    }
    return QColor(0, 191, 0);
}

void ScheduledItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const auto* item = static_cast<const MaintenanceItem*>(index.data(kItemRole).value<void*>());
    if (!item) {
        return;
    }
    const QRect row = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(option.font);
    painter->fillRect(row, selected ? kSelectedBackground : QColor(Qt::white));
    const int third = row.width() / 3;
    const QRect due(row.left() + 2 * third, row.top(), third / 5, row.height());
    painter->fillRect(due, StatusColor(status(*item)));
    painter->setPen(Qt::black);
    painter->drawText(due, Qt::AlignCenter, tr("DUE:"));
    DrawCell(*painter, QRect(row.left(), row.top(), third, row.height()), item->name);
    DrawCell(*painter, QRect(row.left() + third, row.top(), third, row.height()),
             item->IntervalText());
    DrawCell(*painter, QRect(due.right() + 1, row.top(), row.right() - due.right(), row.height()),
             item->DueText());
    if (selected) {
        painter->drawRect(row.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize ScheduledItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(option.fontMetrics.height() + 2 * kPadding);
    return size;
}

}  // namespace rovik
