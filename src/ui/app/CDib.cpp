#include "ui/app/CDib.h"

#include <QPainter>

namespace rovik {

bool CDib::Load(const QString& path) {
    // Converted once here so that every paint only has to stretch it.
    QImage loaded(path);
    image = loaded.isNull() ? QImage() : loaded.convertToFormat(QImage::Format_RGB32);
    return !image.isNull();
}

bool CDib::Draw(QPainter& painter, const QRect& target) const {
    if (image.isNull()) {
        return false;
    }
    painter.drawImage(target, image);
    return true;
}

}  // namespace rovik
