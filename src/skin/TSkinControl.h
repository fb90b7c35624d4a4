#pragma once

#include "TSkinComponent.h"

#include <QObject>
#include <QPointer>

class QPainter;
class QPaintEvent;
class QWidget;

namespace tessarin::skin {

// The skin of one control. It watches the control's events with an event
// filter: a class's filterEvent() sees each event first and may keep it from
// the control; a paint event is left to the control's own painting, after
// which the skin paints over it (or, for skins that paint instead, the skin
// alone paints), as if the control were one window with its parts. Focus and enabled-state changes repaint the control.
//
// The object is a child of the control, so it ends with it. attach() starts
// the skinning; detach() gives the control back its own look and handling
// and is called by the window's skin when the skin is removed. The skin of a
// control that is skinned answers of() (the "is it skinned?" question).
class TSkinControl : public QObject {
    Q_OBJECT

public:
    TSkinControl(QWidget& control, const TSkinComponent& component);
    ~TSkinControl() override;

    // The skin of a control, if it has one.
    static TSkinControl* of(const QWidget& control);

    // Attached while the component has a skin.
    virtual void attach();
    virtual void detach();

    // Off: every event goes straight to the control and its own look shows.
    // On again: the control is repainted.
    bool skinningEnabled() const noexcept { return enabled_; }
    void setSkinningEnabled(bool enabled);

    QWidget& control() const noexcept { return control_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) final;
    // Runs before the control handles the event; true keeps it from the control.
    virtual bool filterEvent(QObject* watched, QEvent* event);
    // Paints over the control after its own painting.
    virtual void paintOver(QPainter& painter);
    // True for skins that paint the control wholly, without its own painting.
    virtual bool paintsInstead() const { return false; }
    // True for skins with a look under the pointer: the control then hears of
    // every pointer movement while skinned.
    virtual bool tracksPointer() const { return false; }

    // Also watches a part of the control (a combo box's edit): its events
    // reach filterEvent(), and after each of its paints paintOver() paints
    // over it in the control's coordinates.
    void watch(QWidget& part);

    // The skin being applied; null once the component has lost it.
    const SkinData* skin() const;
    const TSkinComponent* component() const { return component_.data(); }

    bool hot() const noexcept { return hot_; }
    bool pressed() const noexcept { return pressed_; }
    // Each change repaints.
    void setHot(bool hot);
    void setPressed(bool pressed);
    virtual void repaint();

private:
    bool paint(QWidget& target, QPaintEvent* event);

    QWidget& control_;
    QPointer<const TSkinComponent> component_;
    QPointer<QWidget> watchedPart_;
    bool hadMouseTracking_ = false;
    bool enabled_ = true;
    bool painting_ = false;
    bool hot_ = false;
    bool pressed_ = false;
};

} // namespace tessarin::skin
