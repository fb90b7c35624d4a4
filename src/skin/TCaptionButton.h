#pragma once

#include "SkinElements.h"

#include <QPixmap>
#include <QRect>

namespace tessarin::skin {

// The looks of a caption button, numbered as the frames of its picture.
enum class CaptionButtonState { Normal = 1, Pressed = 2, Hot = 3 };

// One caption button of a skinned window: the skin's record (the window
// icon's button holds the window's small icon as its one frame), where it
// lies in the window, whether it is shown and enabled, and its look.
struct TCaptionButton {
    TSkinCaptionButtonElement element;
    QPixmap icon;  // the window icon's button only
    QRect rect;
    bool visible = false;
    bool enabled = true;
    CaptionButtonState state = CaptionButtonState::Normal;

    // The buttons that show the window's small icon in place of a picture.
    bool showsWindowIcon() const { return element.action == 3 || element.action == 11; }
    // The frame a repaint of the whole frame draws: the first, or the fourth
    // for a disabled button or any button of an inactive window (the first
    // again when the picture has fewer than four). Hot and pressed looks are
    // not drawn then.
    int framePainted(bool windowActive) const {
        return element.frameCount < 4 || (enabled && windowActive) ? 1 : 4;
    }
    // The frame drawn when the button alone is redrawn for a change of its
    // look: that look's frame, or for a disabled button the fourth (the
    // first when the picture has three frames or fewer).
    int frameOfLook() const {
        if (!enabled)
            return element.frameCount <= 3 ? 1 : 4;
        return static_cast<int>(state);
    }
};

} // namespace tessarin::skin
