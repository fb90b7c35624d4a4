#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tessarin::app::testing {

// An X server of the test's own (Xvfb on a free display number), stopped
// with the object, on which the built program runs with the platform's own
// window system: there the window titles are what the window system shows.
class ScratchDisplay {
public:
    ScratchDisplay();
    ~ScratchDisplay();
    ScratchDisplay(const ScratchDisplay&) = delete;
    ScratchDisplay& operator=(const ScratchDisplay&) = delete;

    // False when Xvfb is not installed or did not start.
    bool available() const { return !name_.empty(); }
    // The display's name, such as ":3".
    const std::string& name() const { return name_; }

    // The titles the window system holds for the program's top-level
    // windows (WM_NAME), as xwininfo lists them, leaving out the windows the
    // program has not named yet.
    std::vector<std::string> programWindowTitles() const;

private:
    int pid_ = -1;
    std::string name_;
};

// The built program (tessarin, or a copy of it) started on a scratch display
// with the "NAME=value" entries added to its environment; killed with the
// object.
class ProgramRun {
public:
    ProgramRun(const ScratchDisplay& display, const std::filesystem::path& program,
               const std::vector<std::string>& environment);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // The titles of the program's windows once it shows one; empty when it
    // shows none within 30 seconds.
    std::vector<std::string> firstWindowTitles() const;

private:
    const ScratchDisplay& display_;
    int pid_ = -1;
};

} // namespace tessarin::app::testing
