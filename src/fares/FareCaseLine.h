#pragma once

#include "FareTexts.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tessarin::data {
class Connection;
}

namespace tessarin::fares {

// The text form of fare cases that scripts feed to the command line, one
// case a line.

// A case's inputs: TYPE DISTANCE P1 P2 P3 P4.
inline constexpr std::size_t fareCaseFieldCount = 6;

// The seven fare texts in their order, separated by tabs.
std::string tabSeparated(const FareTexts& texts);

// Answers one case: the line holds the six inputs TYPE DISTANCE P1 P2 P3 P4,
// separated by tabs (empty fields allowed, nothing trimmed). The answer is
// the seven fare texts separated by tabs, or "ERR", a tab and the reason
// there is none: a wrong number of fields, or the message of the error the
// fare computation raised. Fares are shown with the process locale's decimal
// separator.
std::string answerFareCaseLine(data::Connection& connection, std::string_view line);

} // namespace tessarin::fares
