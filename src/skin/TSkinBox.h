#pragma once

#include "TSkinControl.h"

#include "widgets/TColor.h"

namespace tessarin::widgets {
class TPanel;
}

namespace tessarin::skin {

// A panel that takes the skin's "ButtonFace" colour while skinned and gets
// its own colour back when the skin is removed.
class TSkinBox : public TSkinControl {
    Q_OBJECT

public:
    TSkinBox(widgets::TPanel& panel, const TSkinComponent& component);

    void attach() override;
    void detach() override;

private:
    widgets::TPanel& panel_;
    widgets::TColor ownColour_;
};

} // namespace tessarin::skin
