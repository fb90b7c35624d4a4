// initials TEXT: prints the pinyin initial of each character of TEXT, one per
// line, or "0" for a character that has none.

#include "Commands.h"
#include "stationinput/PinyinInitial.h"

#include <ostream>

namespace tessarin::cli {
namespace {

int runInitialsCommand(CliContext& context) {
    const std::string& text = context.arguments()[0];
    if (text.empty()) {
        context.err() << "No text to give the initials of.\n";
        return exitNothing;
    }
    for (const char initial : stationinput::pinyinInitials(text))
        context.out() << (initial ? initial : '0') << '\n';
    return exitOk;
}

const CommandRegistration registration({"initials", "initials TEXT", 1, 1, runInitialsCommand});

} // namespace
} // namespace tessarin::cli
