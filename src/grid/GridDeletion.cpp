#include "GridDeletion.h"

#include "TDataGrid.h"
#include "data/DataSet.h"
#include "widgets/MessageBoxes.h"

#include <QMessageBox>

namespace tessarin::grid {
namespace {

bool confirmed(TDataGrid& grid) {
    if (!grid.Options().testFlag(dgConfirmDelete))
        return true;
    QMessageBox box(QMessageBox::Question, widgets::applicationTitle(), QStringLiteral("Delete record?"),
                    QMessageBox::Ok | QMessageBox::Cancel, &grid);
    return box.exec() == QMessageBox::Ok;
}

} // namespace

bool deletionAllowed(const TDataGrid& grid) {
    const data::DataSet* set = grid.openDataSet();
    return !grid.ReadOnly() && grid.AllowedOperations().testFlag(aoDelete) && set && !set->isEmpty();
}

void deleteWithConfirmation(TDataGrid& grid) {
    if (!deletionAllowed(grid) || !confirmed(grid))
        return;
    // The box ran an event loop, in which the data set may have closed.
    widgets::guarded(&grid, [&grid] {
        if (data::DataSet* set = grid.openDataSet())
            set->deleteCurrent();
    });
}

} // namespace tessarin::grid
