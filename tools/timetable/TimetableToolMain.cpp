#include "TimetableToolMain.h"

#include "data/DataError.h"

#include <iostream>

namespace tessarin::tools {

int runTimetableTool(const char* name, int argc, char** argv, const std::function<void(TimetableWriter&)>& fillTrains) {
    if (argc < 2) {
        std::cerr << "usage: " << name << " OUT [TABLE=FILE.tsv ...]\n";
        return 2;
    }
    try {
        TimetableWriter writer(argv[1]);
        fillTrains(writer);
        for (int i = 2; i < argc; ++i)
            writer.loadTableArgument(argv[i]);
        writer.finish();
    } catch (const data::DataError& error) {
        std::cerr << name << ": " << error.what() << " in: " << error.statement() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << name << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace tessarin::tools
