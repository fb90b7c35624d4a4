// Draws the program's icon for the desktop's menus and software lists: the
// main window's picture at each size the windows show it at, and at 256
// pixels for the large views, each as a PNG with an alpha channel.
//
//   tessarin-make-icons FOLDER
//
// writes FOLDER/SIZExSIZE/apps/tessarin.png for every size, the layout of an
// icon theme's folder.

#include "app/MainWindowIcon.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <vector>

namespace {

// The size software lists show a program at.
constexpr int largeIconSize = 256;

std::vector<int> iconSizes() {
    std::vector<int> sizes(tessarin::app::mainWindowIconSizes.begin(), tessarin::app::mainWindowIconSizes.end());
    sizes.push_back(largeIconSize);
    return sizes;
}

bool writeIcon(const QDir& theme, int size) {
    const QString folder = theme.filePath(QStringLiteral("%1x%1/apps").arg(size));
    const QString path = QDir(folder).filePath(QStringLiteral("tessarin.png"));
    if (QDir().mkpath(folder) && tessarin::app::mainWindowIconPicture(size).save(path, "PNG"))
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
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (int size : iconSizes()) {
        if (!writeIcon(theme, size))
            return 1;
    }
    return 0;
}
