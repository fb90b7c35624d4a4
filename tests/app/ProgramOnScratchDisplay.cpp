#include "ProgramOnScratchDisplay.h"

#include "support/SpawnArguments.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <regex>
#include <stdexcept>
#include <thread>

namespace tessarin::app::testing {
namespace {

using tessarin::testing::environmentWith;
using tessarin::testing::spawnWords;

constexpr auto windowPatience = std::chrono::seconds(30);
constexpr auto pollInterval = std::chrono::milliseconds(50);

void stop(int& pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

std::string outputOf(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

} // namespace

ScratchDisplay::ScratchDisplay() {
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> words{"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"};
    const std::vector<char*> argv = spawnWords(words);
    const int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        pid_ = -1;
        return;
    }
    // The server writes its display number once it accepts clients.
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty())
        stop(pid_);
    else
        name_ = ":" + number;
}

ScratchDisplay::~ScratchDisplay() { stop(pid_); }

std::vector<std::string> ScratchDisplay::programWindowTitles() const {
    // A line per window: id, "title": ("instance" "class"), geometry.
    const std::string tree = outputOf("xwininfo -display " + name_ + " -root -tree 2>/dev/null");
    static const std::regex programWindow(R"re(0x[0-9a-f]+ "(.*)": \("tessarin" "tessarin"\))re");
    std::vector<std::string> titles;
    for (std::sregex_iterator match(tree.begin(), tree.end(), programWindow), end; match != end; ++match) {
        // Until the program names a window, the window system calls it by
        // the program's own name; such a window is not shown yet.
        if ((*match)[1] != "tessarin")
            titles.push_back((*match)[1]);
    }
    return titles;
}

ProgramRun::ProgramRun(const ScratchDisplay& display, const std::filesystem::path& program,
                       const std::vector<std::string>& environment)
    : display_(display) {
    std::vector<std::string> entries = environment;
    entries.push_back("DISPLAY=" + display.name());
    entries.emplace_back("QT_QPA_PLATFORM=xcb");
    std::vector<std::string> variables = environmentWith(entries);
    std::vector<std::string> words{program.string()};
    const std::vector<char*> argv = spawnWords(words);
    const std::vector<char*> envp = spawnWords(variables);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot run " + program.string());
}

ProgramRun::~ProgramRun() { stop(pid_); }

std::vector<std::string> ProgramRun::firstWindowTitles() const {
    const auto deadline = std::chrono::steady_clock::now() + windowPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        if (std::vector<std::string> titles = display_.programWindowTitles(); !titles.empty())
            return titles;
        std::this_thread::sleep_for(pollInterval);
    }
    return {};
}

} // namespace tessarin::app::testing
