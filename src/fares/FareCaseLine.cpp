#include "FareCaseLine.h"

#include "ComputeFareTexts.h"

#include <exception>
#include <vector>

namespace tessarin::fares {
namespace {

std::vector<std::string> splitAtTabs(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
        fields.emplace_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.emplace_back(line.substr(start));
    return fields;
}

} // namespace

std::string tabSeparated(const FareTexts& texts) {
    const auto inOrder = texts.inOrder();
    std::string line = inOrder[0];
    for (std::size_t i = 1; i < inOrder.size(); ++i)
        line += '\t' + inOrder[i];
    return line;
}

std::string answerFareCaseLine(data::Connection& connection, std::string_view line) {
    const std::vector<std::string> fields = splitAtTabs(line);
    if (fields.size() != fareCaseFieldCount)
        return "ERR\texpected 6 tab-separated fields (TYPE DISTANCE P1 P2 P3 P4), found " +
               std::to_string(fields.size());
    try {
        const FareInputs inputs{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
        return tabSeparated(ComputeFareTexts(connection, inputs));
    } catch (const std::exception& error) {
        return std::string("ERR\t") + error.what();
    }
}

} // namespace tessarin::fares
