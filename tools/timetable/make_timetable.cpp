// tessarin-make-timetable OUT TABLE=FILE.tsv ...
//
// Writes a new timetable file OUT holding the four timetable tables, filled
// from tab-separated text files: the first line of each names the columns,
// every further line is one row. The file is written under a temporary name
// and moved into place when complete, so a failed build never leaves half a
// timetable behind.

#include "TimetableToolMain.h"

int main(int argc, char** argv) {
    return tessarin::tools::runTimetableTool("tessarin-make-timetable", argc, argv,
                                             [](tessarin::tools::TimetableWriter&) {});
}
