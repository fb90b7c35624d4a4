#pragma once

#include "TSkinControl.h"

class QLineEdit;

namespace tessarin::skin {

// An edit whose sunken border the skin flattens: after each of its paints,
// three rings from its outer edge inwards, the button shadow and twice
// white. An edit without a border is left as it is.
class TSkinEdit : public TSkinControl {
    Q_OBJECT

public:
    TSkinEdit(QLineEdit& edit, const TSkinComponent& component);

protected:
    void paintOver(QPainter& painter) override;

private:
    QLineEdit& edit_;
};

} // namespace tessarin::skin
