#include "SkinTestArchive.h"

#include <QBuffer>

namespace tessarin::skin::testing {

std::vector<std::uint8_t> skinArchiveOf(std::string_view definition, const std::vector<TestBitmap>& bitmaps) {
    std::vector<tools::ArchiveFile> files{{"test.ini", bytesOf(definition)}};
    for (const TestBitmap& bitmap : bitmaps) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        bitmap.image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
        files.push_back({bitmap.name, {bytes.begin(), bytes.end()}});
    }
    return archiveOf(files);
}

QImage filled(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace tessarin::skin::testing
