#include "ImgPlacement.h"

namespace tessarin::widgets {
namespace {

int stateOffset(const ImgPlacementInput& input) {
    switch (input.state) {
    case isEnter:
        return -input.enterOffset;
    case isDown:
        return input.downOffset;
    default:
        return 0;
    }
}

} // namespace

ImgPlacement placeImgAndCaption(const ImgPlacementInput& in) {
    const bool spaced = in.hasCaption && in.layout != iclImgCenter;
    const int hs = spaced && (in.layout == iclImgLeft || in.layout == iclImgRight) ? in.spacing : 0;
    const int vs = spaced && (in.layout == iclImgTop || in.layout == iclImgBottom) ? in.spacing : 0;
    const int w = in.control.width();
    const int h = in.control.height();
    const int tw = in.caption.width();
    const int th = in.caption.height();
    const int gw = in.picture.width();
    const int gh = in.picture.height();

    // C++ division truncates towards zero, as the placement rule wants.
    QPoint text((w - tw - hs) / 2, (h - th - vs) / 2);
    QPoint picture((w - gw - hs) / 2, (h - gh - vs) / 2);
    switch (in.layout) {
    case iclImgLeft:
        picture.setX((w - gw - tw - hs) / 2);
        text.setX(picture.x() + gw + hs);
        break;
    case iclImgRight:
        text.setX((w - gw - tw - hs) / 2);
        picture.setX(text.x() + tw + hs);
        break;
    case iclImgTop:
        picture.setY((h - gh - th - vs) / 2);
        text.setY(picture.y() + gh + vs);
        break;
    case iclImgBottom:
        text.setY((h - gh - th - vs) / 2);
        picture.setY(text.y() + th + vs);
        break;
    case iclImgCenter:
        break;
    }
    const int offset = stateOffset(in);
    const QPoint shift(offset, offset);
    return {picture + shift, text + shift};
}

} // namespace tessarin::widgets
