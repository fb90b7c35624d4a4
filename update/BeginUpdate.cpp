#include "BeginUpdate.h"

#include "DesktopNotification.h"
#include "UpdateCheck.h"

#include <string>
#include <thread>

extern "C" __attribute__((visibility("default"))) int BeginUpdate(const char* url, int /*flag*/) {
    if (!url)
        return 0;
    try {
        std::thread([address = std::string(url)] {
            try {
                if (const auto notice = tessarin::update::checkForUpdate(address))
                    tessarin::update::showDesktopNotification(notice->title, notice->body);
            } catch (...) {
                // The check is a courtesy; nothing it meets may reach the program.
            }
        }).detach();
    } catch (...) {
        // No thread could be started: no check this time.
    }
    return 0;
}
