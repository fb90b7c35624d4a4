#pragma once

#include "TSkinComponent.h"

namespace tessarin::skin {

// Gives the main window's skin component skin1 the settings its window
// stores: active, every control kind but tabs, separate menu items and
// reports, the options xoPreview and xoToolbarBK, merged menus, the built-in
// class-to-kind list, and the stored skin (which is read at once).
void loadMainWindowSkin(TSkinComponent& skin1);

} // namespace tessarin::skin
