#include "FareJson.h"

#include <string_view>

namespace tessarin::cli {

void writeFareTexts(JsonWriter& json, const std::array<std::string, 7>& texts) {
    static constexpr std::array<std::string_view, 7> classes{
        "hard_seat",          "soft_seat",          "hard_sleeper_upper", "hard_sleeper_middle",
        "hard_sleeper_lower", "soft_sleeper_upper", "soft_sleeper_lower"};
    json.beginObject();
    for (std::size_t i = 0; i < classes.size(); ++i)
        json.field(classes[i], texts[i]);
    json.endObject();
}

} // namespace tessarin::cli
