#include "CliRunner.h"

#include "SpawnArguments.h"
#include "TemporaryTimetable.h"
#include "data/CommandLineScratch.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

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

bool names(const std::vector<std::string>& entries, std::string_view variable) {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const std::string& entry) { return entry.starts_with(std::string(variable) + '='); });
}

} // namespace

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

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
    std::vector<std::string> entries = environment;
    if (!names(entries, "LC_ALL"))
        entries.emplace_back("LC_ALL=C.UTF-8");
    std::vector<std::string> variables = environmentWith(entries);
    const std::vector<char*> argv = spawnWords(words);
    const std::vector<char*> envp = spawnWords(variables);

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

data::Connection cliResults(const std::filesystem::path& timetable) {
    const std::optional<std::filesystem::path> scratch = data::commandLineScratchFile(timetable);
    if (!scratch)
        throw std::runtime_error("no scratch folder for the command line");
    return data::Connection(timetable, {.scratchFile = *scratch});
}

} // namespace tessarin::testing
