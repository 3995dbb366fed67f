#include "ui/app/CDib.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace rovik {

bool CDib::Load(const QString& path) {
    image = QImage();
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > kMostBytes) {
        return false;
    }
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    // Converted once here so that every paint only has to stretch it.
    const QImage loaded = reader.read();
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
