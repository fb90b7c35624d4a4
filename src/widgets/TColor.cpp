#include "TColor.h"

#include <array>

namespace tessarin::widgets {
namespace {

// The classic desktop scheme, in the platform's numbering.
constexpr std::array<QRgb, 25> classicScheme = {
    qRgb(212, 208, 200), // scroll bar
    qRgb(58, 110, 165),  // desktop background
    qRgb(10, 36, 106),   // active caption
    qRgb(128, 128, 128), // inactive caption
    qRgb(212, 208, 200), // menu
    qRgb(255, 255, 255), // window
    qRgb(0, 0, 0),       // window frame
    qRgb(0, 0, 0),       // menu text
    qRgb(0, 0, 0),       // window text
    qRgb(255, 255, 255), // caption text
    qRgb(212, 208, 200), // active border
    qRgb(212, 208, 200), // inactive border
    qRgb(128, 128, 128), // application work space
    qRgb(10, 36, 106),   // highlight
    qRgb(255, 255, 255), // highlight text
    qRgb(212, 208, 200), // button face
    qRgb(128, 128, 128), // button shadow
    qRgb(128, 128, 128), // grey text
    qRgb(0, 0, 0),       // button text
    qRgb(212, 208, 200), // inactive caption text
    qRgb(255, 255, 255), // button highlight
    qRgb(64, 64, 64),    // 3-D dark shadow
    qRgb(212, 208, 200), // 3-D light
    qRgb(0, 0, 0),       // tooltip text
    qRgb(255, 255, 225), // tooltip background
};

} // namespace

QColor classicSystemColor(SystemColor color) {
    return QColor::fromRgb(classicScheme.at(static_cast<std::size_t>(color)));
}

TColor TColor::fromQColor(const QColor& color) {
    return rgb(color.red(), color.green(), color.blue());
}

int TColor::toInt() const {
    if (!isSystem())
        return static_cast<int>(value_);
    const QColor color = toQColor();
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

QColor TColor::toQColor() const {
    if (isSystem())
        return classicSystemColor(static_cast<SystemColor>(value_ & 0xFFu));
    return QColor(static_cast<int>(value_ & 0xFFu), static_cast<int>((value_ >> 8) & 0xFFu),
                  static_cast<int>((value_ >> 16) & 0xFFu));
}

} // namespace tessarin::widgets
