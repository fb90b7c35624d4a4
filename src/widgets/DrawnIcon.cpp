#include "DrawnIcon.h"

#include <QPainter>
#include <QPixmap>

namespace tessarin::widgets {

QImage drawnPicture(int size, qreal designSize, const std::function<void(QPainter&)>& draw) {
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / designSize, size / designSize);
    draw(painter);
    painter.end();
    return picture;
}

QIcon drawnIcon(std::span<const int> sizes, qreal designSize, const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int size : sizes)
        icon.addPixmap(QPixmap::fromImage(drawnPicture(size, designSize, draw)));
    return icon;
}

} // namespace tessarin::widgets
