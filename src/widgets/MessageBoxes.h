#pragma once

#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace tessarin::widgets {

// The application title, caption of the standard error box.
QString applicationTitle();

// The text of the standard error box: the error's message with a full stop
// added unless it already ends in one or in another mark that sorts at or
// before it (such as "!" or ")").
QString standardErrorText(const QString& message);

// The standard error box: that text under the application title, one OK
// button, the error icon.
void showStandardError(QWidget* parent, const std::exception& error);

// "提示" information box with one OK button, for input problems and empty results.
void showInformation(QWidget* parent, const QString& text);

// Runs a handler body; an error that leaves it is shown in the standard error
// box instead of crossing the event loop.
template <typename Body>
void guarded(QWidget* parent, Body&& body) {
    try {
        std::forward<Body>(body)();
    } catch (const std::exception& error) {
        showStandardError(parent, error);
    }
}

} // namespace tessarin::widgets
