#include "PageButtonPictures.h"

#include <QString>

namespace tessarin::widgets {

QImage pageButtonPicture(PageButtonLook look, int width) {
    if (width != 95 && width != 135)
        return {};
    const QString name = look == PageButtonLook::Plain ? QStringLiteral("plain") : QStringLiteral("selected");
    return QImage(QStringLiteral(":/pagebuttons/%1%2.png").arg(name).arg(width));
}

} // namespace tessarin::widgets
