#include "TrainType.h"

#include <stdexcept>

namespace tessarin::tools {
namespace {

// The five types the fare calculation tells apart, and the two express
// types that take its general rule.
constexpr std::array<TrainType, 7> types{{
    {"直达特快", 0, 120, {8, 6, 4, 2}},
    {"特快", 1, 100, {8, 5, 3, 2}},
    {"动车组", 1, 160, {3, 2, 2, 1}},
    {"快速", 2, 82, {10, 5, 3, 2}},
    {"空调普快", 3, 65, {12, 6, 3, 2}},
    {"普快", 3, 62, {12, 6, 3, 2}},
    {"普慢", 4, 48, {15, 6, 3, 2}},
}};

} // namespace

const TrainType& trainType(std::string_view name) {
    for (const TrainType& type : types) {
        if (type.name == name)
            return type;
    }
    throw std::runtime_error("unknown train type " + std::string(name));
}

} // namespace tessarin::tools
