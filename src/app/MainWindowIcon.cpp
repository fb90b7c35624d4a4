#include "MainWindowIcon.h"

#include "widgets/DrawnIcon.h"

#include <QPainter>

namespace tessarin::app {
namespace {

// Drawn on a 48-unit square.
constexpr qreal designSize = 48;

void drawTrain(QPainter& painter) {
    // The tile, in the strip's blue with the page border's darker edge.
    painter.setPen(QPen(QColor(104, 121, 250), 2));
    painter.setBrush(QColor(146, 164, 230));
    painter.drawRoundedRect(QRectF(2, 2, 44, 44), 8, 8);

    // The rails, converging towards the horizon.
    painter.setPen(QPen(QColor(60, 70, 140), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 44), QPointF(18, 34));
    painter.drawLine(QPointF(38, 44), QPointF(30, 34));

    // The train's front: body, windscreen, lamps.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(13, 7, 22, 27), 7, 7);
    painter.setBrush(QColor(60, 70, 140));
    painter.drawRoundedRect(QRectF(16.5, 11, 15, 9), 2, 2);
    painter.setBrush(QColor(250, 200, 60));
    painter.drawEllipse(QPointF(18.5, 27.5), 2.2, 2.2);
    painter.drawEllipse(QPointF(29.5, 27.5), 2.2, 2.2);
}

} // namespace

QIcon mainWindowIcon() { return widgets::drawnIcon(mainWindowIconSizes, designSize, drawTrain); }

QImage mainWindowIconPicture(int size) { return widgets::drawnPicture(size, designSize, drawTrain); }

} // namespace tessarin::app
