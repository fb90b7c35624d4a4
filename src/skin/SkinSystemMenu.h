#pragma once

// The system menu a skinned window opens from its icon, a right click on its
// caption and Alt+Space, rebuilt each time it opens.

#include "CaptionLayout.h"
#include "SkinData.h"

#include <functional>

class QMenu;
class QWidget;

namespace tessarin::skin {

enum class SystemCommand { Restore, Move, Size, Minimize, Maximize, Close };

struct SystemMenuWindow {
    ShowState show = ShowState::Normal;
    WindowIcons icons;
    bool sizable = false;
};

// A menu with the window's commands: Restore, Move, Size, Minimize, Maximize
// and, after a separator, Close (a window without a minimize and a maximize
// box has Move and Close only). Move and Size need a window that is not
// maximized (Size one whose size may change), Minimize a minimize box and a
// window that is not minimized, Maximize a maximize box and a window that is
// not maximized, Restore a maximized or minimized window; Close is always
// there. The items carry the pictures of the matching caption buttons and
// the menu the skin's menu colours. Choosing an item calls `choose`; the
// menu deletes itself when it closes.
QMenu* buildSystemMenu(QWidget* parent, const SystemMenuWindow& window, const SkinData& skin,
                       std::function<void(SystemCommand)> choose);

} // namespace tessarin::skin
