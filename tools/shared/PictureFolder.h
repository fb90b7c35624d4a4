#pragma once

// The frame the picture tools share: each is run as `TOOL FOLDER` and writes
// PNG files into FOLDER.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <cstdio>
#include <functional>

namespace tessarin::tools {

// Saves `picture` as a PNG at `name` (which may hold subfolders) inside
// `folder`, making the folders it needs; says on standard error when it
// cannot.
inline bool savePicture(const QImage& picture, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (QDir().mkpath(QFileInfo(path).path()) && picture.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The tool's main: runs `write` on the folder named by the one argument.
// Returns 0 when it wrote everything, 1 when it failed, 2 (after the usage)
// for any other command line.
inline int pictureFolderMain(int argc, char** argv, const std::function<bool(const QDir&)>& write) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    return write(QDir(QString::fromLocal8Bit(argv[1]))) ? 0 : 1;
}

} // namespace tessarin::tools
