#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>

namespace tessarin::bench {

// A start in a process of its own: the benchmark program started again with
// the arguments `--report-first-paint FD program TIMETABLE` runs the program
// as its entry does on TIMETABLE (application object, single-instance lock,
// main window, skin engine, event loop); with `--report-first-paint FD
// empty` it shows an EmptyWindow instead. Once the first paint of that
// window has ended it writes one byte to the file descriptor FD and ends its
// event loop.

// Runs the started copy when the arguments ask for one; none otherwise.
std::optional<int> runAsStartedCopy(int argc, char** argv);

// One started copy, from its launch (the constructor) to its end. The lock
// file of the program's single-instance lock lies in `runtimeFolder`.
class SeparateStart {
public:
    // `timetable` empty: the empty window.
    SeparateStart(const std::filesystem::path& timetable, const std::filesystem::path& runtimeFolder);
    // Waits for the copy to end; ends it first when it has not reported its
    // paint.
    ~SeparateStart();
    SeparateStart(const SeparateStart&) = delete;
    SeparateStart& operator=(const SeparateStart&) = delete;

    // Waits for the copy's first paint: false when the copy ended without
    // reporting it, or stayed silent for 30 s.
    bool waitForFirstPaint();

private:
    pid_t pid_ = -1;
    int paintReport_ = -1;
    bool painted_ = false;
};

} // namespace tessarin::bench
