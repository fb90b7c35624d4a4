#pragma once

#include "TSkinControl.h"

class QMouseEvent;
class QPushButton;

namespace tessarin::skin {

// A push button drawn from the skin's "Buttons" picture: pressed, under the
// pointer, focused or default, normal or disabled; the skin paints it wholly.
//
// The skin takes the mouse: a left press focuses the button and shows it
// pressed; a left release while it is still pressed clicks it. Moving off
// the button clears the pressed look, so a press dragged off and released
// anywhere clicks nothing, even when the pointer comes back first. Space
// shows it pressed while held; the click then comes from the button's own
// keyboard handling.
class TSkinButton : public TSkinControl {
    Q_OBJECT

public:
    TSkinButton(QPushButton& button, const TSkinComponent& component);

protected:
    bool filterEvent(QObject* watched, QEvent* event) override;
    void paintOver(QPainter& painter) override;
    bool paintsInstead() const override { return true; }
    bool tracksPointer() const override { return true; }

private:
    bool mousePress(QMouseEvent* event);
    bool mouseRelease(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void pointerLeft();

    QPushButton& button_;
};

} // namespace tessarin::skin
