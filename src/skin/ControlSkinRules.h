#pragma once

// The skin class a control of a skinned window gets: the first rule that
// matches, in this order.
//  1. A control whose Tag equals the component's DisableTag: none.
//  2. A class ClassKindMap names: the kind it gives ("nil": none), when that
//     kind of control is skinned; nothing else is tried.
//  3. A class named TDataComboBox: none.
//  4. A scroll bar: none of its own (the bars of grids and lists are laid
//     over by their owner's skin).
//  5. A combo box: TSkinComboBox.
//  6. A panel (TPanel): TSkinBox, which gives it the skin's colour.
//  7. A data grid, and a list (item view): TSkinScrollBars.
//  8. A push button: TSkinButton.
//  9. An edit that is not part of a combo or spin box: TSkinEdit.
// 10. Anything else: none.
// Each kind needs its entry in the component's SkinControls.

#include "TSkinComponent.h"

class QWidget;

namespace tessarin::skin {

enum class ControlSkinKind { None, Button, Edit, ComboBox, CheckBox, Box, ScrollBars };

ControlSkinKind controlSkinKind(const QWidget& control, const TSkinComponent& component);

} // namespace tessarin::skin
