#include "TSkinDropListScrollBar.h"

#include "TScrollBarOverlay.h"

#include <QAbstractItemView>
#include <QScrollBar>

namespace tessarin::skin {

TSkinDropListScrollBar::TSkinDropListScrollBar(QAbstractItemView& list, const TSkinComponent& component)
    : TSkinControl(list, component), list_(list) {}

void TSkinDropListScrollBar::attach() {
    if (hasScrollBarPicture(*skin()))
        overlay_ = new TScrollBarOverlay(*list_.verticalScrollBar(), *component());
    TSkinControl::attach();
}

void TSkinDropListScrollBar::detach() {
    delete overlay_.data();
    TSkinControl::detach();
}

} // namespace tessarin::skin
