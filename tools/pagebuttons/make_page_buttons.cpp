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

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdio>

namespace {

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

bool save(const QImage& picture, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (picture.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const bool written = save(plainPicture(95, Separator::Right), folder, QStringLiteral("plain95.png")) &&
                         save(selectedPicture(95), folder, QStringLiteral("selected95.png")) &&
                         save(plainPicture(135, Separator::None), folder, QStringLiteral("plain135.png")) &&
                         save(selectedPicture(135), folder, QStringLiteral("selected135.png")) &&
                         save(plainPicture(95, Separator::Left), folder, QStringLiteral("plainlast95.png"));
    return written ? 0 : 1;
}
