#pragma once

#include <QString>

class QWidget;

namespace tessarin::app {

// Tells why the window's skin could not be loaded: the failure's message
// under the application title, one OK button, the warning icon. A message of
// several lines joined by carriage returns (as the unsupported-version
// message is) shows them on lines of their own.
void showSkinFailure(QWidget* parent, const QString& failure);

} // namespace tessarin::app
