#pragma once

#include "TimetableWriter.h"

#include <functional>

namespace tessarin::tools {

// The body of a tool that writes a timetable file: `NAME OUT [TABLE=FILE.tsv
// ...]`. Opens the writer on OUT, lets `fillTrains` add stop rows, loads the
// text tables named, and moves the file into place. Prints the usage line and
// returns 2 without OUT; prints the error (with the failing statement for a
// database error) and returns 1 on failure, leaving no file; 0 on success.
int runTimetableTool(const char* name, int argc, char** argv, const std::function<void(TimetableWriter&)>& fillTrains);

} // namespace tessarin::tools
