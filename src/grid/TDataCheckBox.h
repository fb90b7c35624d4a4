#pragma once

#include <QCheckBox>

namespace tessarin::grid {

// The check box class of the grid's dialogs. It behaves as a plain check
// box; it is a class of its own so that the skin engine can pick it by its
// class name (metaObject()->className() without the namespace).
class TDataCheckBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;
};

} // namespace tessarin::grid
