#include "DetailWindowIcon.h"

#include "widgets/DrawnIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace tessarin::fares {
namespace {

// Drawn on a 32-unit square.
void drawTicket(QPainter& painter) {
    // The ticket, with a half-round notch in each short side.
    QPainterPath ticket;
    ticket.addRoundedRect(QRectF(1, 6, 30, 20), 3, 3);
    QPainterPath notches;
    notches.addEllipse(QPointF(1, 16), 3, 3);
    notches.addEllipse(QPointF(31, 16), 3, 3);
    painter.setPen(QPen(QColor(104, 121, 250), 1.5));
    painter.setBrush(QColor(194, 201, 229));
    painter.drawPath(ticket.subtracted(notches));

    // A train's front: body, windscreen and two lamps.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(104, 121, 250));
    painter.drawRoundedRect(QRectF(10, 9, 12, 14), 4, 4);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(12.5, 11.5, 7, 4.5));
    painter.drawEllipse(QPointF(13.5, 19.5), 1.2, 1.2);
    painter.drawEllipse(QPointF(18.5, 19.5), 1.2, 1.2);
}

} // namespace

QIcon detailWindowIcon() { return widgets::drawnIcon(std::array{16, 32}, 32, drawTicket); }

} // namespace tessarin::fares
