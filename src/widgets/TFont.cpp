#include "TFont.h"

#include <cstdlib>

namespace tessarin::widgets {

TFont TFont::make(const QString& family, int height, TColor color) {
    QFont font(family);
    // The definitions give negative heights; a positive one (a cell height)
    // is close enough to the pixel height for the few places that could use it.
    font.setPixelSize(std::abs(height));
    return TFont{font, color};
}

} // namespace tessarin::widgets
