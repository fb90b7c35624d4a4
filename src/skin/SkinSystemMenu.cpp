#include "SkinSystemMenu.h"

#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QPixmap>

#include <array>

namespace tessarin::skin {
namespace {

struct Item {
    SystemCommand command;
    const char* text;
};

constexpr std::array<Item, 6> items{{
    {SystemCommand::Restore, "还原(&R)"},
    {SystemCommand::Move, "移动(&M)"},
    {SystemCommand::Size, "大小(&S)"},
    {SystemCommand::Minimize, "最小化(&N)"},
    {SystemCommand::Maximize, "最大化(&X)"},
    {SystemCommand::Close, "关闭(&C)"},
}};

bool enabled(SystemCommand command, const SystemMenuWindow& window) {
    const bool maximized = window.show == ShowState::Maximized;
    const bool minimized = window.show == ShowState::Minimized;
    switch (command) {
    case SystemCommand::Restore:
        return maximized || minimized;
    case SystemCommand::Move:
        return !maximized;
    case SystemCommand::Size:
        return !maximized && window.sizable;
    case SystemCommand::Minimize:
        return !minimized && window.icons.minimizeBox;
    case SystemCommand::Maximize:
        return !maximized && window.icons.maximizeBox;
    case SystemCommand::Close:
        return true;
    }
    return false;
}

// The caption button whose picture an item shows: restore, maximize,
// minimize and close by their action and visibility.
QIcon pictureOf(SystemCommand command, const SkinData& skin) {
    for (const TSkinCaptionButtonElement& button : skin.captionButtons) {
        const bool match = (command == SystemCommand::Restore && button.action == 1 && button.visibility == 1) ||
                           (command == SystemCommand::Maximize && button.action == 1 && button.visibility == 2) ||
                           (command == SystemCommand::Minimize && button.action == 2) ||
                           (command == SystemCommand::Close && button.action == 0);
        if (match && !button.image.isNull())
            return QIcon(QPixmap::fromImage(button.image.copy(button.frameRect(1))));
    }
    return {};
}

void colourMenu(QMenu& menu, const SkinData& skin) {
    QPalette palette = menu.palette();
    palette.setColor(QPalette::Window, skin.colours[SkinColourSlot::Menu]);
    palette.setColor(QPalette::WindowText, skin.colours[SkinColourSlot::MenuText]);
    palette.setColor(QPalette::ButtonText, skin.colours[SkinColourSlot::MenuText]);
    palette.setColor(QPalette::Highlight, skin.colours[SkinColourSlot::Hilight]);
    palette.setColor(QPalette::HighlightedText, skin.colours[SkinColourSlot::HilightText]);
    menu.setPalette(palette);
}

} // namespace

QMenu* buildSystemMenu(QWidget* parent, const SystemMenuWindow& window, const SkinData& skin,
                       std::function<void(SystemCommand)> choose) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("SkinSystemMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setProperty("Tag", 33333);
    colourMenu(*menu, skin);
    const bool boxes = window.icons.minimizeBox || window.icons.maximizeBox;
    for (const Item& item : items) {
        if (!boxes && item.command != SystemCommand::Move && item.command != SystemCommand::Close)
            continue;
        if (item.command == SystemCommand::Close)
            menu->addSeparator();
        QAction* action = menu->addAction(pictureOf(item.command, skin), QString::fromUtf8(item.text));
        action->setEnabled(enabled(item.command, window));
        if (item.command == SystemCommand::Close)
            action->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
        QObject::connect(action, &QAction::triggered, menu, [choose, command = item.command] { choose(command); });
    }
    return menu;
}

} // namespace tessarin::skin
