#pragma once

#include "TImgControl.h"

namespace tessarin::widgets {

// An image control that behaves like a radio button among its siblings:
// buttons with the same parent and the same CheckGroup exclude each other.
// A click raises OnClick first and then checks the button.
class TImgCheckButton : public TImgControl {
    Q_OBJECT

public:
    explicit TImgCheckButton(QWidget* parent = nullptr);

    // 0 is an ordinary group number.
    int CheckGroup() const noexcept { return checkGroup_; }
    void setCheckGroup(int group) { checkGroup_ = group; }

    bool Checked() const noexcept { return checked_; }
    // Checking unchecks the checked sibling of the same group quietly (no
    // event for it); any change raises OnStateChange and repaints. Unchecking
    // the checked button leaves its group with none checked.
    void setChecked(bool checked);

protected:
    void Click() override;

private:
    void uncheckQuietly();

    int checkGroup_ = 0;
    bool checked_ = false;
};

} // namespace tessarin::widgets
