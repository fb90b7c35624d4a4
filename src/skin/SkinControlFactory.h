#pragma once

#include "TSkinComponent.h"

class QWidget;

namespace tessarin::skin {

class TSkinControl;

// Skins a control as the rules of ControlSkinRules.h choose, once: the skin
// object, attached, or null for a control that stays as it is or is
// skinned already.
TSkinControl* attachControlSkin(QWidget& control, const TSkinComponent& component);

} // namespace tessarin::skin
