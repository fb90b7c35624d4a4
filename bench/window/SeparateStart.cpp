#include "SeparateStart.h"

#include "EmptyWindow.h"
#include "app/StartUp.h"
#include "app/TessarinApplication.h"
#include "support/SpawnArguments.h"

#include <QCoreApplication>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessarin::bench {
namespace {

constexpr const char* reportOption = "--report-first-paint";
// The descriptor the started copy writes its report to.
constexpr int reportDescriptor = 3;
constexpr int patienceMs = 30'000;

// Reports the end of the first paint of the window with the given object
// name: the paint event is the first of the update that paints the window
// and its children, so the report goes once that update has been handled.
class FirstPaintReporter : public QObject {
public:
    FirstPaintReporter(int descriptor, QString windowName)
        : descriptor_(descriptor), windowName_(std::move(windowName)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!reported_ && event->type() == QEvent::Paint && watched->objectName() == windowName_) {
            reported_ = true;
            QTimer::singleShot(0, this, [this] {
                const char painted = 1;
                if (write(descriptor_, &painted, 1) != 1)
                    std::perror("report of the first paint");
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    int descriptor_;
    QString windowName_;
    bool reported_ = false;
};

} // namespace

std::optional<int> runAsStartedCopy(int argc, char** argv) {
    if (argc < 4 || std::strcmp(argv[1], reportOption) != 0)
        return std::nullopt;
    const int descriptor = std::stoi(argv[2]);
    const bool program = std::strcmp(argv[3], "program") == 0 && argc == 5;
    const std::filesystem::path timetable = program ? argv[4] : "";
    app::TessarinApplication application(argc, argv);
    FirstPaintReporter reporter(descriptor, program ? QStringLiteral("Form1") : QStringLiteral("EmptyWindow"));
    application.installEventFilter(&reporter);
    if (program)
        return app::runTessarin(timetable);
    EmptyWindow window;
    window.show();
    return QApplication::exec();
}

SeparateStart::SeparateStart(const std::filesystem::path& timetable, const std::filesystem::path& runtimeFolder) {
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe for the started copy");
    std::vector<std::string> words{"/proc/self/exe", reportOption, std::to_string(reportDescriptor)};
    if (timetable.empty()) {
        words.emplace_back("empty");
    } else {
        words.emplace_back("program");
        words.push_back(timetable.string());
    }
    std::vector<std::string> environment = testing::environmentWith({"XDG_RUNTIME_DIR=" + runtimeFolder.string()});
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], reportDescriptor);
    const int failure = posix_spawn(&pid_, "/proc/self/exe", &actions, nullptr, testing::spawnWords(words).data(),
                                    testing::spawnWords(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipe[1]);
    paintReport_ = pipe[0];
    if (failure != 0) {
        close(paintReport_);
        throw std::runtime_error(std::string("cannot start the copy: ") + std::strerror(failure));
    }
}

bool SeparateStart::waitForFirstPaint() {
    pollfd report{paintReport_, POLLIN, 0};
    char painted = 0;
    painted_ = poll(&report, 1, patienceMs) == 1 && read(paintReport_, &painted, 1) == 1;
    return painted_;
}

SeparateStart::~SeparateStart() {
    close(paintReport_);
    if (!painted_)
        kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
}

} // namespace tessarin::bench
