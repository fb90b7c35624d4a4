#include "TSkinBox.h"

#include "widgets/TPanel.h"

namespace tessarin::skin {

TSkinBox::TSkinBox(widgets::TPanel& panel, const TSkinComponent& component)
    : TSkinControl(panel, component), panel_(panel), ownColour_(panel.Color()) {}

void TSkinBox::attach() {
    TSkinControl::attach();
    panel_.setColor(widgets::TColor::fromQColor(skin()->colours[SkinColourSlot::ButtonFace]));
}

void TSkinBox::detach() {
    panel_.setColor(ownColour_);
    TSkinControl::detach();
}

} // namespace tessarin::skin
