#pragma once

#include "JsonWriter.h"

#include <array>
#include <string>

namespace tessarin::cli {

// Writes the seven fare texts (in the order of fares::FareTexts::inOrder)
// as one JSON object, each text under its class's name: hard_seat,
// soft_seat, hard_sleeper_upper, hard_sleeper_middle, hard_sleeper_lower,
// soft_sleeper_upper, soft_sleeper_lower.
void writeFareTexts(JsonWriter& json, const std::array<std::string, 7>& texts);

} // namespace tessarin::cli
