#pragma once

// Where the caption bar's text and buttons go, and which buttons a window
// shows: plain functions of the window's state and the skin's records.

#include "SkinElements.h"
#include "WindowBorders.h"

#include <QRect>
#include <QSize>

#include <functional>

namespace tessarin::skin {

enum class ShowState { Normal = 0, Maximized = 1, Minimized = 2 };

// The boxes and the menu a window's own frame would offer.
struct WindowIcons {
    bool systemMenu = false;
    bool minimizeBox = false;
    bool maximizeBox = false;
    bool contextHelp = false;
};

// What of a window the caption bar depends on.
struct CaptionWindow {
    int width = 0;
    bool active = true;
    ShowState show = ShowState::Normal;
    WindowIcons icons;
    bool dialogFrame = false;    // a dialog's frame: no icon, text further left
    bool messageDialog = false;  // a message or standard dialog of the toolkit
    bool popup = false;          // a tool window or message box: text ends before the buttons
    bool rightToLeft = false;
};

// Asks the window whether a button with a visibility code of 1000 to 2000
// is shown: (code, action) -> an answer above 0 shows it.
using CaptionButtonQuery = std::function<int(int code, int action)>;

// The actions of the window icon's button: 3, 11 and 12.
bool isIconAction(int action);

// Whether the button's "Visibility" and "Visibility1" conditions both hold.
bool visibilityHolds(const TSkinCaptionButtonElement& button, const CaptionWindow& window,
                     const CaptionButtonQuery& ask);

// Shown: an image, both visibility conditions, and the action's own rule
// (close needs a system menu, the icon is not shown on dialog frames).
// Buttons of the menu bar (visibility 100) are never shown on the caption.
bool captionButtonShown(const TSkinCaptionButtonElement& button, const CaptionWindow& window,
                        const CaptionButtonQuery& ask);

// Maximize/restore needs a maximize box, minimize a minimize box, both with a
// system menu; every other button is enabled.
bool captionButtonEnabled(const TSkinCaptionButtonElement& button, const WindowIcons& icons);

// The button's rectangle in window coordinates by its "Align": 0 from the
// top-left corner, 1 from the top-right, 2/8 left and 3/9 right of the
// caption text; anything else at the top-left corner.
QRect captionButtonRect(const TSkinCaptionButtonElement& button, QSize size, int windowWidth, const QRect& textRect);

// The rectangle the caption text is drawn in (already narrowed by the text
// background's ends), its right end clipped as the skin says. `textSize` is
// the measured text; `rightButtonsX` the largest Xcoord of the shown
// right-aligned buttons.
QRect captionTextRect(const TSkinTitleElement& title, const FrameSizes& frame, const CaptionWindow& window,
                      QSize textSize, int rightButtonsX);

// The text the caption bar shows for a window title.
QString captionText(const QString& title);

} // namespace tessarin::skin
