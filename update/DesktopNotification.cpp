#include "DesktopNotification.h"

#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace tessarin::update {
namespace {

// Runs a program found on the PATH and waits for it; true when it ran and
// exited with status 0.
bool runProgram(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string gvariantString(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}

} // namespace

void showDesktopNotification(const std::string& title, const std::string& body) {
    if (runProgram({"notify-send", "--app-name=Tessarin", title, body}))
        return;
    runProgram({"gdbus", "call", "--session", "--dest", "org.freedesktop.Notifications", "--object-path",
                "/org/freedesktop/Notifications", "--method", "org.freedesktop.Notifications.Notify", "Tessarin",
                "0", "", gvariantString(title), gvariantString(body), "[]", "{}", "5000"});
}

} // namespace tessarin::update
