#pragma once

// The kinds of setting a skin component carries.

#include "EnumSet.h"

namespace tessarin::skin {

// The kinds of control the skin may be applied to.
enum class TSkinControlKind {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcReport,
};
using TSkinControls = EnumSet<TSkinControlKind, 22>;

enum class TSkinOption {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,  // windows whose class name contains "preview" are skinned too
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoToolbarButton,
    xoMDIChildBorder,
    xoMenuBG,
    xoCaptionButtonHint,
    xoFormScrollbar,
};
using TSkinOptions = EnumSet<TSkinOption, 12>;

// Which windows a skin component serves.
enum class TSkinFormKind { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

} // namespace tessarin::skin
