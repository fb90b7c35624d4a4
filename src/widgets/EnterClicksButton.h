#pragma once

class QPushButton;

namespace tessarin::widgets {

// Makes Enter click a push button that has the keyboard focus, as Space does,
// also where it is no dialog's default button: so a traveller who moved the
// focus onto a button runs it with the next Enter. The button's look and its
// default-button state stay as they are.
void clickOnEnter(QPushButton& button);

} // namespace tessarin::widgets
