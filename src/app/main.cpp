// The program's entry: the application set up, then the program run on the
// timetable beside the executable (StartUp.h).

#include "StartUp.h"
#include "TessarinApplication.h"
#include "data/DataFile.h"

int main(int argc, char** argv) {
    tessarin::app::TessarinApplication application(argc, argv);
    return tessarin::app::runTessarin(tessarin::data::defaultDataFile());
}
