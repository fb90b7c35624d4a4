#include "TImgCheckButton.h"

namespace tessarin::widgets {

TImgCheckButton::TImgCheckButton(QWidget* parent) : TImgControl(parent) {}

void TImgCheckButton::setChecked(bool checked) {
    if (checked == checked_)
        return;
    if (parentWidget()) {
        for (QObject* child : parentWidget()->children()) {
            auto* sibling = qobject_cast<TImgCheckButton*>(child);
            if (sibling && sibling != this && sibling->checkGroup_ == checkGroup_ && sibling->checked_)
                sibling->uncheckQuietly();
        }
    }
    checked_ = checked;
    setState(checked ? isCheck : isNormal);
    emit OnStateChange(this);
    repaintLook();
}

void TImgCheckButton::uncheckQuietly() {
    checked_ = false;
    setState(isNormal);
    repaintLook();
}

void TImgCheckButton::Click() {
    TImgControl::Click();
    if (!checked_)
        setChecked(true);
    setPressed(false);
}

} // namespace tessarin::widgets
