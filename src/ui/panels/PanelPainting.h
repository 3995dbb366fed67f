#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>
#include <algorithm>

#include "core/panels/PanelRect.h"
#include "core/panels/TextAlignment.h"

namespace rovik {

// Small conversions the panels share when they paint what the core laid out.

inline QRect ToQRect(const PanelRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

inline Qt::Alignment ToQt(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::Centre:
            return Qt::AlignHCenter;
        case TextAlignment::Right:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

// The panels' heavy face at the given pixel size, made smaller when the text would not fit
// the box's width.
inline QFont FittedFont(const QRect& box, const QString& text, int pixelSize) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Black);
    font.setPixelSize(std::max(1, pixelSize));
    const int wide = QFontMetrics(font).horizontalAdvance(text);
    if (wide > box.width() && wide > 0) {
        font.setPixelSize(std::max(1, font.pixelSize() * box.width() / wide));
    }
    return font;
}

// The one line of the clock, text and transmission panels: as tall as the box, a little
// narrower when it would not fit the box's width, at the box's top.
inline void DrawPanelLine(QPainter& painter, const QRect& box, const QString& text,
                          TextAlignment alignment) {
    // The letters of a font of this size, with their ascent and descent, fill the box.
    painter.setFont(FittedFont(box, text, box.height() * 9 / 10));
    painter.drawText(box, ToQt(alignment) | Qt::AlignTop, text);
}

}  // namespace rovik
