#pragma once

#include <stdexcept>
#include <string>

namespace tessarin::queries {

// A text of a result row that should have been a number and is not; the
// message names the text, as the user reads it.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tessarin::queries
