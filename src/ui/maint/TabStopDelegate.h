#pragma once

#include <QStyledItemDelegate>

namespace rovik {

// Draws a list row's text with tab stops a fixed number of dialog units apart, so the
// columns of tab-separated rows line up.
class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TabStopDelegate(int dialogUnits, QObject* parent)
        : QStyledItemDelegate(parent), dialogUnits(dialogUnits) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    int dialogUnits;
};

}  // namespace rovik
