#pragma once

#include "SkinFixtures.h"

#include <QImage>

#include <string>
#include <vector>

namespace tessarin::skin::testing {

// A skin archive of a definition text and bitmaps given as images, for
// reading small skins made in a test.
struct TestBitmap {
    std::string name;
    QImage image;
};
std::vector<std::uint8_t> skinArchiveOf(std::string_view definition, const std::vector<TestBitmap>& bitmaps = {});

// An image of that size in one colour.
QImage filled(int width, int height, const QColor& colour = Qt::gray);

} // namespace tessarin::skin::testing
