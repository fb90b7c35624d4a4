#pragma once

#include <QPoint>
#include <QSize>

namespace tessarin::widgets {

// How an image control places its picture and caption.
enum TImgControlLayout {
    iclImgLeft = 0,   // picture left of the caption
    iclImgRight = 1,  // picture right of the caption
    iclImgTop = 2,    // picture above the caption
    iclImgBottom = 3, // picture below the caption
    iclImgCenter = 4, // both centred, caption over the picture
};

// The look an image control is in. Disabled is not a state: it is read from
// the control's enabled flag when painting.
enum TImgState {
    isNormal = 0,
    isEnter = 1, // mouse over it
    isDown = 2,  // left button pressed on it
    isCheck = 3, // checked
};

// What the placement depends on.
struct ImgPlacementInput {
    QSize control;
    QSize picture;
    QSize caption; // the caption's measured width and height
    bool hasCaption = false;
    TImgControlLayout layout = iclImgTop;
    int spacing = 2;
    TImgState state = isNormal;
    int enterOffset = 1;
    int downOffset = 1;
};

// Top-left corners of the picture and of the caption.
struct ImgPlacement {
    QPoint picture;
    QPoint caption;
    friend bool operator==(const ImgPlacement&, const ImgPlacement&) = default;
};

// Centres picture and caption in the control, sets them side by side or one
// above the other as the layout asks with `spacing` between them (only when
// there is a caption), and moves both up-left by the enter offset while the
// mouse is over the control, down-right by the down offset while it is
// pressed.
ImgPlacement placeImgAndCaption(const ImgPlacementInput& input);

} // namespace tessarin::widgets
