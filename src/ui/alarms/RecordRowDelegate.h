#pragma once

#include <QStyledItemDelegate>

namespace rovik {

// Paints a row of a RecordList: two halves of text, the selected row light grey in a black
// frame, the others white.
class RecordRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The right half's text is kept under this role; the left half is the display text.
    static constexpr int kRightRole = Qt::UserRole + 1;
    static constexpr int kRecordRole = Qt::UserRole + 2;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace rovik
