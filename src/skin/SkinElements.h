#pragma once

// The records a skin is read into. The skin renderers take them as they are:
// which frame of an image to draw, and how, is theirs to decide.

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QRect>
#include <QString>

#include <optional>

namespace tessarin::skin {

// One part of the skin: an image of `frameCount` state frames side by side,
// drawn in nine parts around fixed margins.
struct TSkinElement {
    virtual ~TSkinElement() = default;

    QString name;  // the section it was read from
    QImage image;
    int leftWidth = 0;
    int topHeight = 0;
    int rightWidth = 0;
    int bottomHeight = 0;
    bool transparent = false;  // magenta (255, 0, 255) shows what lies below
    bool tiled = false;        // the middle part is tiled rather than stretched
    int frameCount = 0;
    int style = 0;
    int normalColour = -1;     // colour indexes, -1 for none
    int mouseOverColour = -1;
    int pressedColour = -1;
    QColor normalTextColour;
    QColor mouseOverTextColour;
    QColor pressedTextColour;

    QMargins margins() const { return {leftWidth, topHeight, rightWidth, bottomHeight}; }
    // The width of one frame: the image width divided by the frame count (a
    // count below 1 counts as 1).
    int frameWidth() const;
    // Frame `frame` (from 1) within the image.
    QRect frameRect(int frame) const;
};

// An element with a second image.
struct TSkinBorderElement : TSkinElement {
    QImage secondImage;
};

// An element with a background placement.
struct TSkinBoxElement : TSkinElement {
    int backgroundAlignment = 0;
    int backgroundLeftShift = 0;
    int backgroundRightShift = 0;
};

// The push-button element, with the marks of check boxes and radio buttons.
struct TSkinButtonElement : TSkinElement {
    QImage checkImage;
    QImage radioImage;
    int checkFrameCount = 0;
    int radioFrameCount = 0;
    // Whether the definition gave the three text colours.
    bool normalTextColourGiven = false;
    bool mouseOverTextColourGiven = false;
    bool pressedTextColourGiven = false;
};

// How the caption text is placed and coloured.
struct TSkinTitleElement {
    QImage textBack;  // the picture behind the text: frame 1 active, 2 inactive
    int textBackFrameCount = 2;
    int textShift = 0;
    int textShiftVert = 0;
    int textRightClip = 0;
    int textAlignment = 0;
    int textBackground = 0;
    int fontHeight = 14;
    int textBackLeft = 0;
    int textBackRight = 0;
    std::optional<QColor> activeTextColour;
    std::optional<QColor> inactiveTextColour;
};

// A button on the caption bar.
struct TSkinCaptionButtonElement : TSkinElement {
    int action = 0;
    int align = 0;
    int x = 0;
    int y = 0;
    int visibility = 0;
    int visibility1 = 0;
    int combineOp = -1;
};

} // namespace tessarin::skin
