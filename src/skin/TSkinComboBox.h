#pragma once

#include "TSkinControl.h"

#include <QPointer>

class QComboBox;
class QMouseEvent;

namespace tessarin::skin {

class TSkinDropListScrollBar;

// A combo box drawn over with the skin's combo-box picture after each of its
// paints: its border and button, with the edit part showing through the
// picture's magenta interior. The button looks hot while the pointer is over
// it, and pressed while the left button is held down after a press anywhere
// on the box or its edit part; a box without an edit part also looks hot
// while it has the focus. The box keeps its own handling of every event; its
// drop-down list's scroll bar is skinned too (TSkinDropListScrollBar).
// Without a combo-box picture the box keeps its own look.
class TSkinComboBox : public TSkinControl {
    Q_OBJECT

public:
    TSkinComboBox(QComboBox& box, const TSkinComponent& component);

    void attach() override;
    void detach() override;

protected:
    bool filterEvent(QObject* watched, QEvent* event) override;
    void paintOver(QPainter& painter) override;
    bool tracksPointer() const override { return true; }

private:
    QRect buttonRect() const;
    bool leftButtonHeld() const;

    QComboBox& box_;
    QPointer<TSkinDropListScrollBar> dropList_;
};

} // namespace tessarin::skin
