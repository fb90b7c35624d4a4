// Draws the page buttons' pictures: a plain look (transparent but for a
// separator line at the right) and a selected look (an opaque tab face with
// a two-pixel blue outline on top and sides, cut corners and no bottom line),
// each as a PNG with an alpha channel.
//
//   tessarin-make-page-buttons FOLDER
//
// writes plain95.png, selected95.png, plain135.png (without the separator),
// selected135.png and plainlast95.png (the last button's, its separator on
// the left after a wide button without one) into FOLDER.

#include "shared/PictureFolder.h"

#include <QColor>
#include <QImage>

#include <algorithm>

namespace {

using tessarin::tools::savePicture;

constexpr int pictureHeight = 25;
constexpr QRgb separatorColour = qRgb(117, 134, 209);
constexpr int separatorTop = 6;
constexpr int separatorBottom = 19;
constexpr QRgb outerLine = qRgb(201, 210, 243); // the page border's outer colour
constexpr QRgb innerLine = qRgb(104, 121, 250); // the page border's inner colour
constexpr QRgb tabFace = qRgb(218, 222, 238);
constexpr int cornerCut = 2;

QImage transparentPicture(int width) {
    QImage picture(width, pictureHeight, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    return picture;
}

enum class Separator { None, Right, Left };

QImage plainPicture(int width, Separator separator) {
    QImage picture = transparentPicture(width);
    if (separator != Separator::None) {
        const int x = separator == Separator::Right ? width - 1 : 0;
        for (int y = separatorTop; y <= separatorBottom; ++y)
            picture.setPixel(x, y, separatorColour);
    }
    return picture;
}

// How far a pixel lies inside the tab's outline: 0 on the outer line, 1 on
// the inner line, more on the face, negative in a cut corner. The bottom
// edge has no line.
int depthInside(int x, int y, int width) {
    const int right = width - 1 - x;
    return std::min({x, right, y, x + y - cornerCut, right + y - cornerCut});
}

QImage selectedPicture(int width) {
    QImage picture = transparentPicture(width);
    for (int y = 0; y < pictureHeight; ++y) {
        for (int x = 0; x < width; ++x) {
            const int depth = depthInside(x, y, width);
            if (depth >= 0)
                picture.setPixel(x, y, depth == 0 ? outerLine : depth == 1 ? innerLine : tabFace);
        }
    }
    return picture;
}

bool writePictures(const QDir& folder) {
    return savePicture(plainPicture(95, Separator::Right), folder, QStringLiteral("plain95.png")) &&
           savePicture(selectedPicture(95), folder, QStringLiteral("selected95.png")) &&
           savePicture(plainPicture(135, Separator::None), folder, QStringLiteral("plain135.png")) &&
           savePicture(selectedPicture(135), folder, QStringLiteral("selected135.png")) &&
           savePicture(plainPicture(95, Separator::Left), folder, QStringLiteral("plainlast95.png"));
}

} // namespace

int main(int argc, char** argv) { return tessarin::tools::pictureFolderMain(argc, argv, writePictures); }
