// initials TEXT: prints the pinyin initial of each character of TEXT, one per
// line, or "0" for a character that has none; with --json one array of
// {"character": ..., "initial": ...} objects, the initial null where there
// is none.

#include "Commands.h"
#include "JsonWriter.h"
#include "data/Utf8Characters.h"
#include "stationinput/PinyinInitial.h"

#include <array>
#include <ostream>

namespace tessarin::cli {
namespace {

void printJson(std::ostream& out, std::string_view text) {
    JsonWriter json(out);
    json.beginArray();
    for (std::string_view character; !text.empty(); text.remove_prefix(character.size())) {
        character = data::firstCharacter(text);
        const char initial = stationinput::GetPinyinInitial(character);
        json.beginObject();
        json.field("character", character);
        json.key("initial");
        if (initial)
            json.string(std::string_view(&initial, 1));
        else
            json.null();
        json.endObject();
    }
    json.endArray();
    out << '\n';
}

int runInitialsCommand(CliContext& context) {
    const std::string& text = context.arguments()[0];
    if (text.empty()) {
        context.err() << "No text to give the initials of.\n";
        return exitNothing;
    }
    if (wantsJson(context)) {
        printJson(context.out(), text);
        return exitOk;
    }
    for (const char initial : stationinput::pinyinInitials(text))
        context.out() << (initial ? initial : '0') << '\n';
    return exitOk;
}

constexpr std::array<std::string_view, 1> forms{"TEXT"};
constexpr std::array<CommandArgument, 1> arguments{{{"TEXT", "Chinese text"}}};
constexpr std::array<CommandOption, 1> options{jsonOption};

const CommandRegistration registration({"initials", "the pinyin initial of each character, by its GBK code", forms,
                                        arguments, 1, 1, runInitialsCommand, options});

} // namespace
} // namespace tessarin::cli
