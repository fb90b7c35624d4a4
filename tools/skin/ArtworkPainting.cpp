#include "ArtworkPainting.h"

#include <QBuffer>

#include <stdexcept>

namespace tessarin::skin::tools {
namespace {

QImage blankStrip(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(palette::magenta);
    return image;
}

void paintFrames(QImage& image, QSize frame, int count, QPoint step, const FramePainter& draw) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int index = 0; index < count; ++index)
        draw(painter, QRect(QPoint(step.x() * index, step.y() * index), frame), index);
}

} // namespace

Shade shadeOf(Look look) {
    using namespace palette;
    switch (look) {
    case Look::Pressed:
        return {outline, mix(steel, buttonFace, 0.45), mix(buttonFace, white, 0.35), white};
    case Look::Disabled:
        return {shadow, mix(disabled, white, 0.5), disabled, mix(shadow, white, 0.2)};
    case Look::Hot:
        return {outline, mix(buttonFace, white, 0.85), mix(buttonFace, white, 0.35), glyph};
    case Look::Default:
        return {mix(outline, black, 0.45), mix(buttonFace, white, 0.7), buttonFace, glyph};
    case Look::Normal:
        break;
    }
    return {outline, mix(buttonFace, white, 0.75), mix(buttonFace, steel, 0.15), glyph};
}

QColor mix(const QColor& from, const QColor& to, double amount) {
    const auto channel = [amount](int a, int b) { return static_cast<int>(a + (b - a) * amount + 0.5); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

QImage frameStrip(QSize frame, int count, const FramePainter& draw) {
    QImage image = blankStrip(QSize(frame.width() * count, frame.height()));
    paintFrames(image, frame, count, QPoint(frame.width(), 0), draw);
    return image;
}

QImage stackedFrames(QSize frame, int count, const FramePainter& draw) {
    QImage image = blankStrip(QSize(frame.width(), frame.height() * count));
    paintFrames(image, frame, count, QPoint(0, frame.height()), draw);
    return image;
}

void verticalGradient(QPainter& painter, const QRect& area, const QColor& top, const QColor& bottom) {
    const int rows = area.height();
    for (int row = 0; row < rows; ++row)
        painter.fillRect(area.left(), area.top() + row, area.width(), 1,
                         mix(top, bottom, rows > 1 ? double(row) / (rows - 1) : 0.0));
}

void horizontalGradient(QPainter& painter, const QRect& area, const QColor& left, const QColor& right) {
    const int columns = area.width();
    for (int column = 0; column < columns; ++column)
        painter.fillRect(area.left() + column, area.top(), 1, area.height(),
                         mix(left, right, columns > 1 ? double(column) / (columns - 1) : 0.0));
}

void outlineRect(QPainter& painter, const QRect& area, const QColor& colour) {
    painter.fillRect(area.left(), area.top(), area.width(), 1, colour);
    painter.fillRect(area.left(), area.bottom(), area.width(), 1, colour);
    painter.fillRect(area.left(), area.top(), 1, area.height(), colour);
    painter.fillRect(area.right(), area.top(), 1, area.height(), colour);
}

void raisedBox(QPainter& painter, const QRect& area, const Shade& shade) {
    const QRect inner = area.adjusted(1, 1, -1, -1);
    verticalGradient(painter, inner, shade.top, shade.bottom);
    painter.fillRect(inner.left(), inner.top(), inner.width(), 1, mix(shade.top, palette::white, 0.6));
    painter.fillRect(area.left() + 1, area.top(), area.width() - 2, 1, shade.outline);
    painter.fillRect(area.left() + 1, area.bottom(), area.width() - 2, 1, shade.outline);
    painter.fillRect(area.left(), area.top() + 1, 1, area.height() - 2, shade.outline);
    painter.fillRect(area.right(), area.top() + 1, 1, area.height() - 2, shade.outline);
}

void sunkenWell(QPainter& painter, const QRect& area, const QColor& fill) {
    painter.fillRect(area, fill);
    painter.fillRect(area.left(), area.top(), area.width(), 1, palette::shadow);
    painter.fillRect(area.left(), area.top(), 1, area.height(), palette::shadow);
    painter.fillRect(area.left(), area.bottom(), area.width(), 1, palette::white);
    painter.fillRect(area.right(), area.top(), 1, area.height(), palette::white);
}

void drawPattern(QPainter& painter, const QRect& area, std::span<const std::string_view> rows, const QColor& colour) {
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows.front().size()) : 0;
    const QPoint origin(area.left() + (area.width() - width) / 2, area.top() + (area.height() - height) / 2);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
            if (rows[y][x] == '#')
                painter.fillRect(origin.x() + x, origin.y() + y, 1, 1, colour);
        }
    }
}

std::vector<std::uint8_t> bitmapFile(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        throw std::runtime_error("cannot write a bitmap");
    return {bytes.begin(), bytes.end()};
}

} // namespace tessarin::skin::tools
