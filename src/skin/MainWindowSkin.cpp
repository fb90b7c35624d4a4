#include "MainWindowSkin.h"

#include "ClassKindMap.h"
#include "StoredSkin.h"

namespace tessarin::skin {

void loadMainWindowSkin(TSkinComponent& skin1) {
    using enum TSkinControlKind;
    skin1.setActive(true);
    skin1.setDisableTag(99);
    skin1.setSkinControls({xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
                           xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel,
                           xcGroupBox, xcStatusBar, xcTrackBar, xcSystemMenu});
    skin1.setOptions({TSkinOption::xoPreview, TSkinOption::xoToolbarBK});
    skin1.setClassKindMap(defaultClassKindMap());
    skin1.setSkinFormKind(TSkinFormKind::sfMainform);
    skin1.setMenuUpdate(true);
    skin1.setMenuMerge(true);
    skin1.setSkinStream(storedSkinStream());
}

} // namespace tessarin::skin
