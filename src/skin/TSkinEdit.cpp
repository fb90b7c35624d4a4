#include "TSkinEdit.h"

#include "ControlPainting.h"

#include <QLineEdit>

namespace tessarin::skin {

TSkinEdit::TSkinEdit(QLineEdit& edit, const TSkinComponent& component) : TSkinControl(edit, component), edit_(edit) {}

void TSkinEdit::paintOver(QPainter& painter) {
    if (edit_.hasFrame())
        paintFlatEditBorder(painter, *skin(), edit_.rect());
}

} // namespace tessarin::skin
