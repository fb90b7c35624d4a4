#pragma once

namespace tessarin::grid {

class TDataGrid;

// Whether Ctrl+Delete may delete the grid's current record: the grid is not
// ReadOnly, AllowedOperations holds aoDelete, and the data set is open and
// not empty.
bool deletionAllowed(const TDataGrid& grid);

// Ctrl+Delete: when deletion is allowed, asks "Delete record?" (OK, Cancel)
// under the application title while dgConfirmDelete is set, and on OK deletes
// the current record through the data set. A deletion the data set refuses
// is reported in the standard error box; the grid stays on the record.
void deleteWithConfirmation(TDataGrid& grid);

} // namespace tessarin::grid
