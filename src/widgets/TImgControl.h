#pragma once

#include "ImgPlacement.h"
#include "TImgManager.h"

#include <QFontMetrics>
#include <QPointer>
#include <QWidget>

namespace tessarin::widgets {

// A windowless control that shows one of five pictures according to its state
// and writes its caption over it.
//
// Windowless here means: a child widget without a native window, with no
// background of its own and no mask. It is drawn on its parent's surface, over
// whatever the parent paints beneath it, so PNG pictures with an alpha channel
// blend over the parent. "Repainting the control" redraws its area at once,
// parent beneath included; "repainting the parent" redraws the whole parent.
//
// The font follows the parent's font unless set; the caption is written in
// the palette's window-text colour with a transparent background.
class TImgControl : public QWidget {
    Q_OBJECT

public:
    explicit TImgControl(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    // Assigning a picture copies it and repaints the control; ImgCheck alone
    // is copied without a repaint.
    const QImage& ImgNormal() const { return pictures_.picture(ImgRole::Normal); }
    const QImage& ImgEnter() const { return pictures_.picture(ImgRole::Enter); }
    const QImage& ImgDown() const { return pictures_.picture(ImgRole::Down); }
    const QImage& ImgDisable() const { return pictures_.picture(ImgRole::Disable); }
    const QImage& ImgCheck() const { return pictures_.picture(ImgRole::Check); }
    void setImgNormal(const QImage& picture);
    void setImgEnter(const QImage& picture);
    void setImgDown(const QImage& picture);
    void setImgDisable(const QImage& picture);
    void setImgCheck(const QImage& picture);

    TImgControlLayout ImgButtonLayout() const noexcept { return layout_; }
    void setImgButtonLayout(TImgControlLayout layout);
    int Spacing() const noexcept { return spacing_; }
    void setSpacing(int spacing);
    int OnEnterOffset() const noexcept { return enterOffset_; }
    void setOnEnterOffset(int offset) { enterOffset_ = offset; }
    int OnDownOffset() const noexcept { return downOffset_; }
    void setOnDownOffset(int offset) { downOffset_ = offset; }
    bool AutoRepaintParent() const noexcept { return autoRepaintParent_; }
    void setAutoRepaintParent(bool repaintParent) { autoRepaintParent_ = repaintParent; }

    // The manager whose pictures the control takes when it paints; not owned.
    // A manager that goes away is forgotten.
    TImgManager* ImgManager() const { return manager_; }
    void setImgManager(TImgManager* manager);

    TImgState State() const noexcept { return state_; }
    bool Pressed() const noexcept { return pressed_; }

signals:
    void OnClick(tessarin::widgets::TImgControl* sender);
    void OnDblClick(tessarin::widgets::TImgControl* sender);
    // On pressing the left button and on every change of a button's check.
    void OnStateChange(tessarin::widgets::TImgControl* sender);

protected:
    // The framework's click: the left button released over the control after
    // going down on it.
    virtual void Click();

    void setState(TImgState state) { state_ = state; }
    void setPressed(bool pressed) { pressed_ = pressed; }
    // Repaints the control, then the parent too when AutoRepaintParent is set.
    void repaintLook();

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setPicture(ImgRole role, const QImage& picture);
    void leftButtonDown();
    void hover(TImgState state);
    bool isUnderCursor(const QMouseEvent& event) const;
    void takeManagerPictures();
    void fillEmptyPicturesFromNormal();
    const QImage& pictureToShow() const;
    ImgPlacement placement(QSize picture, const QFontMetrics& metrics) const;

    QString caption_;
    ImgSet pictures_;
    TImgControlLayout layout_ = iclImgTop;
    int spacing_ = 2;
    int enterOffset_ = 1;
    int downOffset_ = 1;
    bool autoRepaintParent_ = true;
    QPointer<TImgManager> manager_;
    TImgState state_ = isNormal;
    bool pressed_ = false;
    bool clickPending_ = false; // the left button went down on the control
};

} // namespace tessarin::widgets
