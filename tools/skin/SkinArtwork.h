#pragma once

#include <QImage>

#include <string>
#include <vector>

namespace tessarin::skin::tools {

struct ArtworkBitmap {
    std::string name;  // as the archive lists it
    QImage image;
};

// The 40 bitmaps of the metallic skin in archive order.
std::vector<ArtworkBitmap> drawSkinArtwork();

} // namespace tessarin::skin::tools
