#include "DrawnIcon.h"

#include <QPainter>
#include <QPixmap>

namespace tessarin::widgets {

QIcon drawnIcon(std::initializer_list<int> sizes, qreal designSize, const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int size : sizes) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / designSize, size / designSize);
        draw(painter);
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace tessarin::widgets
