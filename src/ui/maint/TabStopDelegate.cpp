#include "ui/maint/TabStopDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextOption>

namespace rovik {

namespace {
// A horizontal dialog unit is a quarter of the font's average letter width.
qreal DialogUnit(const QFontMetrics& metrics) {
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    return metrics.horizontalAdvance(letters) / qreal(letters.size()) / 4.0;
}
}  // namespace

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QString text = row.text;
    row.text.clear();
    const QStyle* style = row.widget ? row.widget->style() : QApplication::style();
    // The background, selection and focus frame as the style draws them, without the text.
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, row.widget);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &row, row.widget);
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTabStopDistance(dialogUnits * DialogUnit(row.fontMetrics));
    painter->save();
    const bool selected = row.state & QStyle::State_Selected;
    painter->setPen(row.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(area.adjusted(2, 0, -2, 0), text, layout);
    painter->restore();
}

}  // namespace rovik
