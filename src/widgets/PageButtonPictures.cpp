#include "PageButtonPictures.h"

#include <QString>

namespace tessarin::widgets {

namespace {

QString nameOf(PageButtonLook look) {
    switch (look) {
    case PageButtonLook::Plain:
        return QStringLiteral("plain");
    case PageButtonLook::Selected:
        return QStringLiteral("selected");
    case PageButtonLook::PlainLast:
        return QStringLiteral("plainlast");
    }
    return {};
}

} // namespace

QImage pageButtonPicture(PageButtonLook look, int width) {
    if (width != 95 && (width != 135 || look == PageButtonLook::PlainLast))
        return {};
    return QImage(QStringLiteral(":/pagebuttons/%1%2.png").arg(nameOf(look)).arg(width));
}

} // namespace tessarin::widgets
