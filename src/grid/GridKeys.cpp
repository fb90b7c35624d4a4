#include "GridKeys.h"

#include "GridDeletion.h"
#include "GridNavigator.h"
#include "TDataGrid.h"
#include "TGridFindDialog.h"

namespace tessarin::grid {
namespace {

struct KeyBinding {
    int key;
    bool control;
    GridKeyCommand command;
};

// The grid's key table.
constexpr KeyBinding bindings[] = {
    {Qt::Key_Up, false, GridKeyCommand::Prior},
    {Qt::Key_Down, false, GridKeyCommand::Next},
    {Qt::Key_PageUp, false, GridKeyCommand::PageBack},
    {Qt::Key_PageDown, false, GridKeyCommand::PageForward},
    {Qt::Key_Home, false, GridKeyCommand::First},
    {Qt::Key_End, false, GridKeyCommand::Last},
    {Qt::Key_Left, false, GridKeyCommand::ScrollLeft},
    {Qt::Key_Right, false, GridKeyCommand::ScrollRight},
    {Qt::Key_Up, true, GridKeyCommand::TopRow},
    {Qt::Key_PageUp, true, GridKeyCommand::TopRow},
    {Qt::Key_Down, true, GridKeyCommand::BottomRow},
    {Qt::Key_PageDown, true, GridKeyCommand::BottomRow},
    {Qt::Key_Home, true, GridKeyCommand::First},
    {Qt::Key_End, true, GridKeyCommand::Last},
    {Qt::Key_Delete, true, GridKeyCommand::Delete},
    {Qt::Key_F, true, GridKeyCommand::Find},
};

} // namespace

GridKeyCommand gridKeyCommand(int key, Qt::KeyboardModifiers modifiers) {
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    for (const KeyBinding& binding : bindings) {
        if (binding.key == key && binding.control == control)
            return binding.command;
    }
    return GridKeyCommand::None;
}

void runGridKeyCommand(TDataGrid& grid, GridKeyCommand command) {
    if (!grid.openDataSet())
        return;
    GridNavigator navigator(grid);
    switch (command) {
    case GridKeyCommand::None:
        break;
    case GridKeyCommand::Prior:
        navigator.moveBy(-1);
        break;
    case GridKeyCommand::Next:
        navigator.moveBy(1);
        break;
    case GridKeyCommand::PageBack:
        navigator.pageBack();
        break;
    case GridKeyCommand::PageForward:
        navigator.pageForward();
        break;
    case GridKeyCommand::First:
        navigator.first();
        break;
    case GridKeyCommand::Last:
        navigator.last();
        break;
    case GridKeyCommand::TopRow:
        navigator.toTopRow();
        break;
    case GridKeyCommand::BottomRow:
        navigator.toBottomRow();
        break;
    case GridKeyCommand::ScrollLeft:
        navigator.scrollColumns(-1);
        break;
    case GridKeyCommand::ScrollRight:
        navigator.scrollColumns(1);
        break;
    case GridKeyCommand::Delete:
        deleteWithConfirmation(grid);
        break;
    case GridKeyCommand::Find:
        if (grid.OptionsExt().testFlag(dgxDialogFind))
            TGridFindDialog::openFor(grid);
        break;
    }
}

} // namespace tessarin::grid
