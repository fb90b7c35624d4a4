// Draws the program's icon for the desktop's menus and software lists: the
// main window's picture at each size the windows show it at, and at 256
// pixels for the large views, each as a PNG with an alpha channel.
//
//   tessarin-make-icons FOLDER
//
// writes FOLDER/SIZExSIZE/apps/tessarin.png for every size, the layout of an
// icon theme's folder.

#include "app/MainWindowIcon.h"
#include "shared/PictureFolder.h"

#include <vector>

namespace {

// The size software lists show a program at.
constexpr int largeIconSize = 256;

std::vector<int> iconSizes() {
    std::vector<int> sizes(tessarin::app::mainWindowIconSizes.begin(), tessarin::app::mainWindowIconSizes.end());
    sizes.push_back(largeIconSize);
    return sizes;
}

bool writeIcons(const QDir& theme) {
    for (int size : iconSizes()) {
        const QString name = QStringLiteral("%1x%1/apps/tessarin.png").arg(size);
        if (!tessarin::tools::savePicture(tessarin::app::mainWindowIconPicture(size), theme, name))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) { return tessarin::tools::pictureFolderMain(argc, argv, writeIcons); }
