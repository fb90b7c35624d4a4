#include "SkinElements.h"

#include "WindowBorders.h"

namespace tessarin::skin {

int TSkinElement::frameWidth() const { return frameExtent(image.width(), frameCount); }

QRect TSkinElement::frameRect(int frame) const {
    const int width = frameWidth();
    return QRect((frame - 1) * width, 0, width, image.height());
}

} // namespace tessarin::skin
