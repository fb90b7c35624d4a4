#pragma once

#include "TSkinControl.h"

#include <QPointer>

class QAbstractItemView;

namespace tessarin::skin {

class TScrollBarOverlay;

// The vertical scroll bar of a combo box's drop-down list, skinned as the
// bars of grids and lists are: a TScrollBarOverlay laid over it.
class TSkinDropListScrollBar : public TSkinControl {
    Q_OBJECT

public:
    TSkinDropListScrollBar(QAbstractItemView& list, const TSkinComponent& component);

    void attach() override;
    void detach() override;

private:
    QAbstractItemView& list_;
    QPointer<TScrollBarOverlay> overlay_;
};

} // namespace tessarin::skin
