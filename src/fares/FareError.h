#pragma once

#include <stdexcept>
#include <string>

namespace tessarin::fares {

// A fare computation that cannot go on: a fetched text that is not the number
// it must be, or a value the fare arithmetic cannot hold. The message is the
// one the user reads.
class FareError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tessarin::fares
