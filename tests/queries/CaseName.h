#pragma once

#include <concepts>
#include <ostream>

namespace tessarin::queries {

// GoogleTest prints a table case by its name when the case fails (bring it
// into the test's own namespace with a using-declaration).
template <typename Case>
    requires requires(const Case& c) {
        { c.name } -> std::convertible_to<const char*>;
    }
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

} // namespace tessarin::queries
