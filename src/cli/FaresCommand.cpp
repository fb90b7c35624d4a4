// fares TYPE DISTANCE P1 P2 P3 P4: prints the seven fare texts of a train
// (hard seat, soft seat, hard sleeper upper, middle and lower berth, soft
// sleeper upper and lower berth) on one line, tab-separated; with --json one
// object of the seven texts by class.
//
// fares -: reads one case a line from standard input, the six fields
// tab-separated (empty fields allowed), and answers each line with the seven
// texts, or with "ERR", a tab and the error's message; with --json one array
// holding for each line the object of its texts or {"error": message}.
// Exits 0 once every line is answered.

#include "Commands.h"
#include "FareJson.h"
#include "fares/ComputeFareTexts.h"
#include "fares/FareCaseLine.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tessarin::cli {
namespace {

constexpr std::string_view errorLead = "ERR\t";

// An answer line back in its parts: the seven texts, or the error message.
void writeAnswer(JsonWriter& json, std::string_view answer) {
    if (answer.starts_with(errorLead)) {
        json.beginObject();
        json.field("error", answer.substr(errorLead.size()));
        json.endObject();
        return;
    }
    std::array<std::string, 7> texts;
    for (std::string& text : texts) {
        const std::size_t tab = answer.find('\t');
        text = answer.substr(0, tab);
        answer.remove_prefix(tab == std::string_view::npos ? answer.size() : tab + 1);
    }
    writeFareTexts(json, texts);
}

int answerBatch(CliContext& context) {
    data::Connection& connection = context.connection();
    std::vector<std::string> answers;
    for (std::string line; std::getline(context.in(), line);) {
        answers.push_back(fares::answerFareCaseLine(connection, line));
        if (!wantsJson(context))
            context.out() << answers.back() << std::endl;
    }
    if (wantsJson(context)) {
        JsonWriter json(context.out());
        json.beginArray();
        for (const std::string& answer : answers)
            writeAnswer(json, answer);
        json.endArray();
        context.out() << '\n';
    }
    return exitOk;
}

int runFaresCommand(CliContext& context);

constexpr std::array<std::string_view, 2> forms{"TYPE DISTANCE P1 P2 P3 P4", "-"};
constexpr std::array<CommandArgument, 7> arguments{{
    {"TYPE", "the train type (动车组 has fixed rates; the others read the fare scale)"},
    {"DISTANCE", "the distance travelled, in kilometres"},
    {"P1", "the hard seat class value (\"0\": not offered)"},
    {"P2", "the soft seat class value"},
    {"P3", "the hard sleeper class value"},
    {"P4", "the soft sleeper class value"},
    {"-", "read one case a line from standard input, the six fields tab-separated"},
}};
constexpr std::array<CommandOption, 1> options{jsonOption};

const Command faresCommand{"fares",
                           "the fares of the seven seat and berth classes",
                           forms,
                           arguments,
                           1,
                           fares::fareCaseFieldCount,
                           runFaresCommand,
                           options};

int runFaresCommand(CliContext& context) {
    const std::vector<std::string>& arguments = context.arguments();
    if (arguments.size() == 1 && arguments[0] == "-")
        return answerBatch(context);
    if (arguments.size() != fares::fareCaseFieldCount)
        return usageError(context, faresCommand);
    const fares::FareInputs inputs{arguments[0], arguments[1], arguments[2], arguments[3], arguments[4], arguments[5]};
    const fares::FareTexts texts = fares::ComputeFareTexts(context.connection(), inputs);
    if (wantsJson(context)) {
        JsonWriter json(context.out());
        writeFareTexts(json, texts.inOrder());
        context.out() << '\n';
    } else {
        context.out() << fares::tabSeparated(texts) << '\n';
    }
    return exitOk;
}

const CommandRegistration registration(faresCommand);

} // namespace
} // namespace tessarin::cli
