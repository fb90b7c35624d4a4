#pragma once

#include <cstddef>
#include <random>

namespace tessarin::tools {

// A whole number from 0 to bound - 1. Plain modulo on the generator's output,
// so that the same seed gives the same timetable with every standard library.
inline int below(std::mt19937& random, std::size_t bound) {
    return static_cast<int>(random() % static_cast<unsigned>(bound));
}

} // namespace tessarin::tools
