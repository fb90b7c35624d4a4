#include "BuiltInTracks.h"

#include <QPainter>

namespace tessarin::skin {

QImage builtInTrackImage(Qt::Orientation orientation) {
    const bool horizontal = orientation == Qt::Horizontal;
    QImage image(horizontal ? QSize(16, 4) : QSize(4, 16), QImage::Format_RGB32);
    image.fill(QColor(212, 208, 200));
    QPainter painter(&image);
    // A sunken groove: shadow on the top and left, light on the bottom and right.
    painter.fillRect(0, 0, image.width(), 1, QColor(128, 128, 128));
    painter.fillRect(0, 0, 1, image.height(), QColor(128, 128, 128));
    painter.fillRect(0, image.height() - 1, image.width(), 1, QColor(255, 255, 255));
    painter.fillRect(image.width() - 1, 0, 1, image.height(), QColor(255, 255, 255));
    painter.fillRect(1, 1, image.width() - 2, 1, QColor(64, 64, 64));
    painter.fillRect(1, 1, 1, image.height() - 2, QColor(64, 64, 64));
    return image;
}

} // namespace tessarin::skin
