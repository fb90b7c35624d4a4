#pragma once

#include <Qt>

namespace tessarin::grid {

class TDataGrid;

// What a key pressed in the grid does. Only Ctrl changes a key's meaning;
// Shift, Alt and the keypad flag do not.
enum class GridKeyCommand {
    None,        // not the grid's key: the window sees it (Tab, Enter, Esc, …)
    Prior,       // Up
    Next,        // Down
    PageBack,    // PgUp
    PageForward, // PgDn
    First,       // Home, Ctrl+Home
    Last,        // End, Ctrl+End
    TopRow,      // Ctrl+Up, Ctrl+PgUp: the record shown in the top row
    BottomRow,   // Ctrl+Down, Ctrl+PgDn: the record shown in the bottom row
    ScrollLeft,  // Left
    ScrollRight, // Right
    Delete,      // Ctrl+Delete
    Find,        // Ctrl+F
};

GridKeyCommand gridKeyCommand(int key, Qt::KeyboardModifiers modifiers);

// Carries out a command on the grid; nothing while its data set is closed.
void runGridKeyCommand(TDataGrid& grid, GridKeyCommand command);

} // namespace tessarin::grid
