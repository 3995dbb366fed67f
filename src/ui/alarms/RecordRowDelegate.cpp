#include "ui/alarms/RecordRowDelegate.h"

#include <QPainter>

#include "ui/alarms/RecordList.h"

namespace rovik {

namespace {
const QColor kSelectedGrey(191, 191, 191);
constexpr int kTextMargin = 3;
}  // namespace

void RecordRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QRect row = option.rect;
    painter->save();
    painter->fillRect(row, selected ? kSelectedGrey : QColor(Qt::white));
    if (selected) {
        painter->setPen(Qt::black);
        painter->drawRect(row.adjusted(0, 0, -1, -1));
    }
    painter->setPen(Qt::black);
    const int half = row.width() / 2;
    const QRect left(row.left() + kTextMargin, row.top(), half - 2 * kTextMargin, row.height());
    const QRect right(row.left() + half + kTextMargin, row.top(), half - 2 * kTextMargin,
                      row.height());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const QFontMetrics metrics(option.font);
    painter->drawText(left, flags,
                      metrics.elidedText(index.data().toString(), Qt::ElideRight, left.width()));
    painter->drawText(
        right, flags,
        metrics.elidedText(index.data(kRightRole).toString(), Qt::ElideRight, right.width()));
    painter->restore();
}

QSize RecordRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), RecordList::kRowHeight};
}

}  // namespace rovik
