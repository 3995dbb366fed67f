#pragma once

#include <QFont>
#include <QFontMetrics>
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

}  // namespace rovik
