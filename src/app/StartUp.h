#pragma once

#include <filesystem>

namespace tessarin::app {

// The exit status of a run that ended because the program could not start:
// another copy runs, or the timetable could not be opened. The user has been
// told why in a message box.
inline constexpr int exitCouldNotStart = 1;

// Runs the program on the application object that exists: one copy per user,
// the main window created on the timetable `dataFile` and shown, the event
// loop run until the window closes. Returns the exit status: the event
// loop's, or exitCouldNotStart.
int runTessarin(const std::filesystem::path& dataFile);

} // namespace tessarin::app
