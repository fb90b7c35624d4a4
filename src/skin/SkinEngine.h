#pragma once

#include "TSkinComponent.h"

namespace tessarin::skin {

// Switches the skin engine on for the application with a window's skin
// component, once the window has loaded it (loadMainWindowSkin, then
// finishLoading): the application's skin manager registers the component
// and, while the component is active with a skin, skins every window of the
// application from 250 ms on, and every window shown or activated later.
void switchSkinEngineOn(TSkinComponent& component);

} // namespace tessarin::skin
