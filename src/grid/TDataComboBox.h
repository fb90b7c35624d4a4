#pragma once

#include <QComboBox>

namespace tessarin::grid {

// The drop-down box class of the grid's dialogs. It behaves as a plain combo
// box; it is a class of its own so that the skin engine can tell it by its
// class name (metaObject()->className() without the namespace).
class TDataComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
};

} // namespace tessarin::grid
