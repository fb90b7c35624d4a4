#pragma once

#include "WindowBorders.h"

#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <utility>
#include <vector>

class QWidget;

namespace tessarin::skin {

// A form's client while the skin frames it. The client of a form with a
// child named "ClientArea" is that child (the form's own border around it is
// dropped); any other form's client is the whole form: its layout keeps to
// the form's contents margins and its other children are moved with it.
//
// fit() puts the client at the frame's top-left inner corner and makes the
// form exactly the client plus the frame, keeping the client's size and the
// form's outer position; `minimumWidth` widens the form, the client centred
// in the extra width. restore() puts everything back as it was before the
// first fit().
class WindowClient {
public:
    explicit WindowClient(QWidget& window);

    void fit(const FrameSizes& frame, int minimumWidth);
    void restore();

    // The client's size as it was before the skin.
    QSize clientSize() const;

private:
    void remember();
    // The form's direct children that its layout does not place.
    std::vector<QWidget*> placedChildren() const;
    void resizeWindow(QSize size);

    QWidget& window_;
    QPointer<QWidget> clientArea_;
    bool remembered_ = false;
    QRect clientAreaBefore_;
    QMargins marginsBefore_;
    QSize sizeBefore_;
    QSize minimumBefore_;
    QSize maximumBefore_;
    QPoint positionBefore_;
    std::vector<std::pair<QPointer<QWidget>, QPoint>> childrenBefore_;
};

} // namespace tessarin::skin
