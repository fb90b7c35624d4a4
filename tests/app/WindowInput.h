#pragma once

// Input to the main window as a user gives it, for the tests of its pages.

#include "widgets/TImgCheckButton.h"

#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace tessarin::testing {

inline QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

inline void clickPageButton(widgets::TImgCheckButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

// Types as the keyboard does: each character a key of its own (a letter's
// or a digit's, any other as an input method gives it) to the window, which
// hands it to its focused control or to an open list.
inline void typeText(QWidget& window, const QString& text) {
    for (const QChar character : text) {
        const char16_t upper = character.toUpper().unicode();
        const bool plain = (upper >= u'A' && upper <= u'Z') || (upper >= u'0' && upper <= u'9');
        QTest::sendKeyEvent(QTest::Click, window.windowHandle(), plain ? Qt::Key(upper) : Qt::Key_unknown,
                            QString(character), Qt::NoModifier);
    }
}

// Types into a box of the window. An open list closes first, as a click on
// another box closes it.
inline void typeInto(QWidget& window, QWidget* box, const QString& text) {
    if (QWidget* list = QApplication::activePopupWidget())
        list->close();
    box->setFocus();
    typeText(window, text);
}

// A key pressed and released as the keyboard does it: to the window, which
// hands it to its focused control (or to an open drop-down list).
inline void pressKey(QWidget& window, Qt::Key key) {
    QTest::keyPress(window.windowHandle(), key);
    QTest::keyRelease(window.windowHandle(), key);
}

} // namespace tessarin::testing
