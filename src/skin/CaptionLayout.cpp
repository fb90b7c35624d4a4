#include "CaptionLayout.h"

#include <algorithm>

namespace tessarin::skin {
namespace {

enum class Column { Visibility, Visibility1 };

bool maximized(const CaptionWindow& window) { return window.show == ShowState::Maximized; }

bool codeHolds(int code, Column column, const CaptionWindow& window, const CaptionButtonQuery& ask, int action) {
    const bool first = column == Column::Visibility;
    const WindowIcons& icons = window.icons;
    switch (code) {
    case 0:
        return true;
    case 1:
        return maximized(window);
    case 2:
        return !maximized(window);
    case 3:
        return window.active;
    case 4:
        return !window.active;
    case 6:
    case 8:
        return (icons.minimizeBox || icons.maximizeBox) && (!first || icons.systemMenu);
    case 7:
        return !icons.maximizeBox;
    case 9:
        return !icons.minimizeBox;
    case 10:
        return icons.contextHelp && (!first || (!icons.minimizeBox && !icons.maximizeBox));
    case 100:
        // No skinned menu bar shows a maximized child window here; in the
        // second column the first alone decides.
        return !first;
    case 200:
        return first && window.dialogFrame && !window.messageDialog;
    default:
        break;
    }
    if (code >= 201 && code <= 999)
        return first;
    if (code >= 1000 && code <= 2000)
        return first && ask && ask(code, action) > 0;
    return false;
}

} // namespace

bool isIconAction(int action) { return action == 3 || action == 11 || action == 12; }

bool visibilityHolds(const TSkinCaptionButtonElement& button, const CaptionWindow& window,
                     const CaptionButtonQuery& ask) {
    return codeHolds(button.visibility, Column::Visibility, window, ask, button.action) &&
           codeHolds(button.visibility1, Column::Visibility1, window, ask, button.action);
}

bool captionButtonShown(const TSkinCaptionButtonElement& button, const CaptionWindow& window,
                        const CaptionButtonQuery& ask) {
    if (button.image.isNull() || button.visibility == 100 || !visibilityHolds(button, window, ask))
        return false;
    if (button.action == 0)
        return window.icons.systemMenu;
    return !(isIconAction(button.action) && window.dialogFrame);
}

bool captionButtonEnabled(const TSkinCaptionButtonElement& button, const WindowIcons& icons) {
    switch (button.action) {
    case 1:
        return icons.maximizeBox && icons.systemMenu;
    case 2:
        return icons.minimizeBox && icons.systemMenu;
    default:
        return true;
    }
}

QRect captionButtonRect(const TSkinCaptionButtonElement& button, QSize size, int windowWidth, const QRect& textRect) {
    switch (button.align) {
    case 0:
        return QRect(QPoint(button.x, button.y), size);
    case 1:
        return QRect(QPoint(windowWidth - button.x, button.y), size);
    case 2:
    case 8:
        return QRect(QPoint(textRect.left() - size.width() - button.x, button.y), size);
    case 3:
    case 9:
        return QRect(QPoint(textRect.right() + 1 + button.x, button.y), size);
    default:
        return QRect(QPoint(0, 0), size);
    }
}

QRect captionTextRect(const TSkinTitleElement& title, const FrameSizes& frame, const CaptionWindow& window,
                      QSize textSize, int rightButtonsX) {
    const int captionLeft = frame.left;
    const int captionRight = window.width - frame.right;  // exclusive
    const int captionWidth = captionRight - captionLeft;
    const int placedWidth = textSize.width() + title.textBackLeft + title.textBackRight;
    int offset = 0;
    if (window.rightToLeft) {
        switch (title.textAlignment) {
        case 0: offset = captionWidth - rightButtonsX - placedWidth; break;
        case 1: offset = (captionWidth - placedWidth - rightButtonsX) / 2; break;
        case 2: offset = title.textShift; break;
        default: break;
        }
        if (offset <= 0)
            offset = title.textShift;
    } else {
        switch (title.textAlignment) {
        case 0: offset = title.textShift; break;
        case 1: offset = (captionWidth - placedWidth) / 2; break;
        case 2: offset = captionWidth - title.textRightClip - placedWidth; break;
        default: break;
        }
    }
    if (window.dialogFrame && title.textAlignment == 0)
        offset -= 16;
    int left = captionLeft + offset;
    int right = left + placedWidth;
    const int limit = window.popup ? (rightButtonsX > 5 ? captionRight - rightButtonsX - 5 : captionRight)
                                   : captionRight - title.textRightClip;
    if (window.rightToLeft && right > limit) {
        left += 10;
        right += 10;
    } else {
        right = std::min(right, limit);
    }
    const int top = (frame.top - textSize.height()) / 2 + title.textShiftVert / 2;
    return QRect(QPoint(left + title.textBackLeft, top), QPoint(right - title.textBackRight - 1, top + textSize.height() - 1));
}

QString captionText(const QString& title) { return QStringLiteral("  ") + title + QLatin1Char(' '); }

} // namespace tessarin::skin
