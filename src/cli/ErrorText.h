#pragma once

#include <string>
#include <string_view>

namespace tessarin::cli {

// An error message as a terminal shows it: a carriage return, alone or
// before a line feed, starts a new line (the skin's messages join their two
// lines by a bare carriage return, which would make a terminal overwrite the
// first line with the second).
std::string terminalLines(std::string_view message);

} // namespace tessarin::cli
