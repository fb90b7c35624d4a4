#pragma once

#include <stdexcept>

namespace tessarin::skin {

// A stored skin that cannot be read: packed data too short to say its size
// or to hold it, an archive whose sizes run past its end, a version this
// program does not know. The message is the one the user reads.
class SkinFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tessarin::skin
