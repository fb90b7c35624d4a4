// Nine-part drawing, tiling and magenta transparency.

#include "skin/SkinPainting.h"

#include <gtest/gtest.h>

namespace tessarin::skin {
namespace {

// A 6 x 6 frame: red corners of 2 x 2, green edges, blue centre of 2 x 2.
QImage ninePartSource() {
    QImage image(6, 6, QImage::Format_RGB32);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool edgeX = x < 2 || x >= 4;
            const bool edgeY = y < 2 || y >= 4;
            image.setPixelColor(x, y, edgeX && edgeY ? Qt::red : (edgeX || edgeY ? Qt::green : Qt::blue));
        }
    }
    return image;
}

QImage paint(const std::function<void(QPainter&)>& draw, QSize size = {20, 12}) {
    QImage target(size, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    draw(painter);
    return target;
}

TEST(SkinPainting, NinePartKeepsCornersAndStretchesTheRest) {
    const QImage out = paint([](QPainter& p) {
        drawNinePart(p, ninePartSource(), QRect(0, 0, 6, 6), QRect(0, 0, 20, 12), QMargins(2, 2, 2, 2), false, false);
    });
    EXPECT_EQ(out.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(out.pixelColor(18, 10), QColor(Qt::red));
    EXPECT_EQ(out.pixelColor(2, 1), QColor(Qt::green));
    EXPECT_EQ(out.pixelColor(18, 6), QColor(Qt::green));
    EXPECT_EQ(out.pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_EQ(out.pixelColor(17, 9), QColor(Qt::blue));
}

TEST(SkinPainting, MarginsThatDoNotFitCountAsZero) {
    const QImage out = paint([](QPainter& p) {
        drawNinePart(p, ninePartSource(), QRect(0, 0, 6, 6), QRect(0, 0, 3, 12), QMargins(2, 2, 2, 2), false, false);
    }, {3, 12});
    // Left and right are dropped: the top, middle and bottom rows of the
    // source, corners and all, are stretched across the width.
    EXPECT_EQ(out.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(out.pixelColor(1, 0), QColor(Qt::green));
    EXPECT_EQ(out.pixelColor(0, 6), QColor(Qt::green));
    EXPECT_EQ(out.pixelColor(1, 6), QColor(Qt::blue));
    EXPECT_EQ(out.pixelColor(1, 11), QColor(Qt::green));
}

TEST(SkinPainting, TiledCentreRepeatsFromItsTopLeft) {
    QImage source = ninePartSource();
    source.setPixelColor(2, 2, Qt::black);  // marks the centre's first pixel
    const QImage out = paint([&](QPainter& p) {
        drawNinePart(p, source, QRect(0, 0, 6, 6), QRect(0, 0, 20, 12), QMargins(2, 2, 2, 2), true, false);
    });
    for (int x : {2, 4, 6, 16})
        EXPECT_EQ(out.pixelColor(x, 2), QColor(Qt::black)) << x;
    EXPECT_EQ(out.pixelColor(3, 2), QColor(Qt::blue));
}

TEST(SkinPainting, MagentaIsTransparentOnlyWhenAsked) {
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixelColor(0, 0, transparentMagenta);
    source.setPixelColor(1, 0, Qt::blue);
    for (bool transparent : {true, false}) {
        const QImage out = paint([&](QPainter& p) {
            drawNinePart(p, source, source.rect(), QRect(0, 0, 2, 1), {}, false, transparent);
        }, {2, 1});
        EXPECT_EQ(out.pixelColor(0, 0), transparent ? QColor(Qt::white) : transparentMagenta);
        EXPECT_EQ(out.pixelColor(1, 0), QColor(Qt::blue));
    }
}

TEST(SkinPainting, ElementFramesLieSideBySide) {
    TSkinElement element;
    element.image = QImage(90, 23, QImage::Format_RGB32);
    element.frameCount = 5;
    EXPECT_EQ(element.frameRect(3), QRect(36, 0, 18, 23));
    element.frameCount = 0;  // counts as one frame
    EXPECT_EQ(element.frameRect(1), QRect(0, 0, 90, 23));
}

} // namespace
} // namespace tessarin::skin
