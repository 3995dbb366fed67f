#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace rovik {

// A bitmap loaded once from a file and drawn stretched wherever it is asked to go; used for
// the wallpaper and the picture panel. An image that did not load stays empty and draws
// nothing.
class CDib {
public:
    bool Load(const QString& path);
    // Draws the whole image over the target rectangle; false when there is nothing to draw.
    bool Draw(QPainter& painter, const QRect& target) const;

private:
    QImage image;
};

}  // namespace rovik
