#include "SkinEngine.h"

#include "TSkinManager.h"

namespace tessarin::skin {

void switchSkinEngineOn(TSkinComponent& component) { TSkinManager::application().registerComponent(component); }

} // namespace tessarin::skin
