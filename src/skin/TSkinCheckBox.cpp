#include "TSkinCheckBox.h"

#include "ControlPainting.h"
#include "widgets/TColor.h"

#include <QCheckBox>

namespace tessarin::skin {

TSkinCheckBox::TSkinCheckBox(QCheckBox& box, const TSkinComponent& component)
    : TSkinControl(box, component), box_(box) {}

bool TSkinCheckBox::paintsInstead() const { return hasCheckBoxPicture(*skin()); }

void TSkinCheckBox::paintOver(QPainter& painter) {
    if (!paintsInstead())
        return;
    CheckBoxLook look;
    look.rect = box_.rect();
    look.frame = checkBoxFrame(box_.checkState(), box_.isEnabled());
    look.caption = box_.text();
    look.font = box_.font();
    look.textColour = box_.isEnabled() ? box_.palette().color(QPalette::WindowText) : widgets::clBtnShadow.toQColor();
    look.textLeft = box_.layoutDirection() == Qt::RightToLeft;
    look.focusRect = box_.hasFocus();
    paintCheckBox(painter, *skin(), look);
}

} // namespace tessarin::skin
