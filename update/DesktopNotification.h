#pragma once

#include <string>

namespace tessarin::update {

// Shows a desktop notification through the desktop's notification service
// (notify-send, else gdbus); does nothing where neither is available.
void showDesktopNotification(const std::string& title, const std::string& body);

} // namespace tessarin::update
