#include "StationBoxList.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace tessarin::app {
namespace {

bool picksFromTheList(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

} // namespace

StationBoxList::StationBoxList(QComboBox& box) : QObject(&box), box_(box) {
    box.view()->installEventFilter(this);
}

StationBoxList& StationBoxList::of(QComboBox& box) {
    if (auto* list = box.findChild<StationBoxList*>(QString(), Qt::FindDirectChildrenOnly))
        return *list;
    return *new StationBoxList(box);
}

void StationBoxList::dropDown() {
    if (box_.count() == 0)
        dropDownEmpty();
    else
        box_.showPopup();
    // No name chosen, and none for the list to choose as it takes the focus.
    box_.view()->setCurrentIndex(QModelIndex());
}

// The toolkit drops no empty list down; it drops one blank row down, and
// the row goes again at once.
void StationBoxList::dropDownEmpty() {
    const QString text = box_.currentText();
    const int caret = box_.lineEdit()->cursorPosition();
    box_.addItem(QString());
    box_.showPopup();
    box_.removeItem(0);
    box_.setCurrentIndex(-1);
    box_.setEditText(text);
    box_.lineEdit()->setCursorPosition(caret);
}

bool StationBoxList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_.view() || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!picksFromTheList(key.key())) {
        QCoreApplication::sendEvent(&box_, event);
        return true;
    }
    return event->type() == QEvent::KeyPress && listKeyPressed(key);
}

// Before a name is chosen, an arrow chooses the first and Enter closes the
// list; once one is, the list handles its keys itself.
bool StationBoxList::listKeyPressed(const QKeyEvent& key) {
    if (box_.view()->currentIndex().isValid())
        return false;
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (box_.count() > 0)
            box_.view()->setCurrentIndex(box_.model()->index(0, box_.modelColumn(), box_.rootModelIndex()));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        box_.hidePopup();
        return true;
    default:
        return false;
    }
}

} // namespace tessarin::app
