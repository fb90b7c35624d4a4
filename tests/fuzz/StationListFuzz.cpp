// Any bytes as the station name list. Every name is one non-empty line,
// spelled out with one entry per character whose initials hold the
// character's letter by the GBK order; "?" offers every name; when all
// characters of the first name have such letters, typing them in lower case
// offers that name first; and the names written one a line read back the same.

#include "FuzzCheck.h"
#include "data/Utf8Characters.h"
#include "stationinput/PinyinInitial.h"
#include "stationinput/StationFilter.h"
#include "stationinput/StationList.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace {

using namespace tessarin::stationinput;

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (; !text.empty(); ++count)
        text.remove_prefix(tessarin::data::firstCharacter(text).size());
    return count;
}

std::string lowerCased(std::string text) {
    for (char& c : text)
        c = static_cast<char>(c - 'A' + 'a');
    return text;
}

void checkNames(const StationList& list) {
    for (std::size_t row = 0; row < list.size(); ++row) {
        const std::string& name = list.name(row);
        FUZZ_CHECK(!name.empty() && name.find('\n') == std::string::npos);
        const SpelledName& spelling = list.spelling(row);
        FUZZ_CHECK(spelling.size() == characterCount(name));
        const std::string initials = pinyinInitials(name);
        FUZZ_CHECK(initials.size() == spelling.size());
        for (std::size_t i = 0; i < initials.size(); ++i)
            FUZZ_CHECK(initials[i] == 0 || spelling[i].hasInitial(initials[i]));
    }
}

void checkSuggestions(const StationList& list) {
    FUZZ_CHECK(stationSuggestions(list, "?") == list.names());
    if (list.size() == 0)
        return;
    // The first name comes first among the names offered for its initials.
    const std::string initials = pinyinInitials(list.name(0));
    if (initials.find('\0') != std::string::npos)
        return;
    const auto offered = stationSuggestions(list, lowerCased(initials));
    FUZZ_CHECK(!offered.empty() && offered.front() == list.name(0));
}

// A byte order mark opening the first name would be taken off, and a line
// end's CR goes with it: names like those do not come back as they were.
bool writesBackUnchanged(const StationList& list) {
    return std::none_of(list.names().begin(), list.names().end(),
                        [](const std::string& name) { return name.ends_with('\r'); }) &&
           (list.size() == 0 || !list.name(0).starts_with("\xEF\xBB\xBF"));
}

void checkReadingBack(const StationList& list) {
    if (!writesBackUnchanged(list))
        return;
    std::string text;
    for (const std::string& name : list.names())
        text += name + "\n";
    std::istringstream in(text);
    FUZZ_CHECK(readStationNames(in) == list.names());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const StationList list(readStationNames(in));
    checkNames(list);
    checkSuggestions(list);
    checkReadingBack(list);
    return 0;
}
