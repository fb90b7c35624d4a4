#include "CliRunner.h"

#include "TemporaryTimetable.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace tessarin::testing {
namespace {

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A scratch folder for the streams of one run, removed with the object.
class StreamFiles {
public:
    StreamFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessarin-cli-run-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a scratch folder");
        folder_ = pattern;
    }
    ~StreamFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::filesystem::path in() const { return folder_ / "in"; }
    std::filesystem::path out() const { return folder_ / "out"; }
    std::filesystem::path err() const { return folder_ / "err"; }

private:
    std::filesystem::path folder_;
};

// This process's environment with the given entries added or replacing,
// LC_ALL=C.UTF-8 among them unless they set LC_ALL themselves.
std::vector<std::string> environmentWith(std::vector<std::string> entries) {
    if (std::none_of(entries.begin(), entries.end(), [](const std::string& e) { return e.starts_with("LC_ALL="); }))
        entries.emplace_back("LC_ALL=C.UTF-8");
    std::vector<std::string> result;
    const auto replaced = [&entries](const std::string& variable) {
        const std::string name = variable.substr(0, variable.find('=') + 1);
        for (const std::string& entry : entries) {
            if (entry.starts_with(name))
                return true;
        }
        return false;
    };
    for (char** variable = environ; *variable; ++variable) {
        if (!replaced(*variable))
            result.emplace_back(*variable);
    }
    result.insert(result.end(), entries.begin(), entries.end());
    return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

CliRun runCli(const std::vector<std::string>& arguments, const std::string& input,
              const std::vector<std::string>& environment) {
    const StreamFiles files;
    std::ofstream(files.in(), std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, files.in().c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, files.out().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, files.err().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    const std::string program = (binaryFolder() / "tessarin-cli").string();
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<std::string> variables = environmentWith(environment);
    const std::vector<char*> argv = pointersTo(words);
    const std::vector<char*> envp = pointersTo(variables);

    CliRun run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot run " + program);
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = fileText(files.out());
    run.err = fileText(files.err());
    return run;
}

} // namespace tessarin::testing
