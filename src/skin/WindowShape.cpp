#include "WindowShape.h"

#include "FramePainting.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>

namespace tessarin::skin {
namespace {

bool isTransparent(const SkinData& skin, BorderSide side) {
    const TSkinElement* border = skin.border(side);
    return border && border->transparent;
}

// Magenta as a border paints it: red 255, green 0 or 1, blue 255.
bool isMagenta(QRgb pixel) { return qRed(pixel) == 255 && qGreen(pixel) <= 1 && qBlue(pixel) == 255; }

void cutMagenta(QImage& image, const QRect& area) {
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (isMagenta(line[x]))
                line[x] = 0;
        }
    }
}

} // namespace

QRegion windowShape(const SkinData& skin, const FrameSizes& frame, QSize size, bool active) {
    const QRect whole(QPoint(), size);
    if (!isTransparent(skin, BorderSide::Left) && !isTransparent(skin, BorderSide::Right) &&
        !isTransparent(skin, BorderSide::Top))
        return QRegion(whole);
    QImage painted(size, QImage::Format_ARGB32);
    painted.fill(Qt::black);
    {
        QPainter painter(&painted);
        paintBorders(painter, skin, frame, size, active);
    }
    const int width = size.width(), height = size.height();
    if (isTransparent(skin, BorderSide::Left))
        cutMagenta(painted, QRect(0, 0, frame.left, height));
    if (isTransparent(skin, BorderSide::Right))
        cutMagenta(painted, QRect(width - frame.right, 0, frame.right, height));
    if (isTransparent(skin, BorderSide::Bottom) && frame.bottom >= 2)
        cutMagenta(painted, QRect(frame.left, height - frame.bottom, width - frame.left - frame.right, frame.bottom));
    if (isTransparent(skin, BorderSide::Top) && frame.top > 1)
        cutMagenta(painted, QRect(frame.left, 0, width - frame.left - frame.right, frame.top));
    return QRegion(QBitmap::fromImage(painted.createAlphaMask()));
}

} // namespace tessarin::skin
