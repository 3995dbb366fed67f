#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace rovik {

// A bitmap loaded once from a BMP file and drawn stretched wherever it is asked to go; used
// for the wallpaper and the picture panel. A file that did not load leaves it empty, and it
// then draws nothing.
class CDib {
public:
    // Larger than any bitmap a dashboard shows; a bigger file is not read at all.
    static constexpr qint64 kMostBytes = 64 * 1024 * 1024;

    // Reads only a regular file of at most kMostBytes in the BMP format: a directory or a
    // device could hold the window up, a huge file fill its memory.
    bool Load(const QString& path);
    // Draws the whole image over the target rectangle; false when there is nothing to draw.
    bool Draw(QPainter& painter, const QRect& target) const;

private:
    QImage image;
};

}  // namespace rovik
