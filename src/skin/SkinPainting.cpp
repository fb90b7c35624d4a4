#include "SkinPainting.h"

#include <array>

namespace tessarin::skin {
namespace {

void drawTiled(QPainter& painter, const QImage& piece, const QRect& source, const QRect& target) {
    for (int y = target.top(); y <= target.bottom(); y += source.height()) {
        for (int x = target.left(); x <= target.right(); x += source.width()) {
            const int width = std::min(source.width(), target.right() + 1 - x);
            const int height = std::min(source.height(), target.bottom() + 1 - y);
            painter.drawImage(QRect(x, y, width, height), piece, QRect(source.topLeft(), QSize(width, height)));
        }
    }
}

} // namespace

QImage withMagentaTransparent(const QImage& image) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb magenta = transparentMagenta.rgb();
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == magenta)
                line[x] = 0;
        }
    }
    return result;
}

void drawNinePart(QPainter& painter, const QImage& image, const QRect& source, const QRect& target,
                  QMargins margins, bool tiled, bool transparent) {
    if (image.isNull() || source.isEmpty() || target.isEmpty())
        return;
    const QImage piece =
        transparent ? withMagentaTransparent(image.copy(source)) : image.copy(source).convertToFormat(QImage::Format_RGB32);
    int left = margins.left(), right = margins.right(), top = margins.top(), bottom = margins.bottom();
    if (target.width() < left + right)
        left = right = 0;
    if (target.height() < top + bottom)
        top = bottom = 0;
    const int sw = piece.width(), sh = piece.height(), tw = target.width(), th = target.height();
    const auto part = [&](int sx, int sy, int w, int h, int tx, int ty, int tW, int tH) {
        return std::pair{QRect(sx, sy, w, h), QRect(target.left() + tx, target.top() + ty, tW, tH)};
    };
    // The order in which the parts are laid down, centre included.
    const std::array<std::pair<QRect, QRect>, 9> parts{
        part(0, 0, left, top, 0, 0, left, top),                                            // top-left
        part(0, sh - bottom, left, bottom, 0, th - bottom, left, bottom),                  // bottom-left
        part(sw - right, 0, right, top, tw - right, 0, right, top),                        // top-right
        part(0, top, left, sh - top - bottom, 0, top, left, th - top - bottom),            // left
        part(left, 0, sw - left - right, top, left, 0, tw - left - right, top),            // top
        part(left, top, sw - left - right, sh - top - bottom, left, top, tw - left - right, th - top - bottom),  // centre
        part(sw - right, sh - bottom, right, bottom, tw - right, th - bottom, right, bottom),  // bottom-right
        part(sw - right, top, right, sh - top - bottom, tw - right, top, right, th - top - bottom),  // right
        part(left, sh - bottom, sw - left - right, bottom, left, th - bottom, tw - left - right, bottom),  // bottom
    };
    constexpr std::size_t centre = 5;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto& [from, to] = parts[i];
        if (from.isEmpty() || to.isEmpty())
            continue;
        if (tiled && i == centre)
            drawTiled(painter, piece, from, to);
        else
            painter.drawImage(to, piece, from);
    }
}

void drawElementFrame(QPainter& painter, const TSkinElement& element, int frame, const QRect& target) {
    drawNinePart(painter, element.image, element.frameRect(frame), target, element.margins(), element.tiled,
                 element.transparent);
}

void drawSingleFrame(QPainter& painter, const TSkinElement& element, int frame, const QRect& target) {
    drawNinePart(painter, element.image, element.frameRect(frame), target, {}, false, true);
}

QImage mirroredFrames(const QImage& image, int frameCount) {
    QImage result = image;
    QPainter painter(&result);
    const int width = image.width() / std::max(frameCount, 1);
    for (int frame = 0; frame * width < image.width() && width > 0; ++frame) {
        const QRect area(frame * width, 0, width, image.height());
        painter.drawImage(area.topLeft(), image.copy(area).mirrored(true, false));
    }
    return result;
}

} // namespace tessarin::skin
