#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tessarin::fares {

// What the fare computation reads from a train's detail row, as texts.
struct FareInputs {
    std::string type;     // train type, compared byte for byte with the named types
    std::string distance; // travel distance in kilometres
    std::string p1;       // hard seat class value
    std::string p2;       // soft seat class value
    std::string p3;       // hard sleeper class value (all three berths)
    std::string p4;       // soft sleeper class value (both berths)
};

// A class value of exactly "0" marks the class as not offered; any other
// text, "0.0", " 0" and the empty text among them, means it is offered.
inline bool isOffered(std::string_view classValue) { return classValue != "0"; }

// The text shown for a class that is not offered.
inline constexpr std::string_view notOfferedText = "--";

// The fare texts of the seven seat and berth classes, in yuan without a unit.
struct FareTexts {
    std::string hardSeat;
    std::string softSeat;
    std::string hardSleeperUpper;
    std::string hardSleeperMiddle;
    std::string hardSleeperLower;
    std::string softSleeperUpper;
    std::string softSleeperLower;

    // The seven texts in the order of the members above.
    std::array<std::string, 7> inOrder() const {
        return {hardSeat, softSeat, hardSleeperUpper, hardSleeperMiddle, hardSleeperLower, softSleeperUpper,
                softSleeperLower};
    }
};

// The seven texts all "--": the start for filling in the offered classes.
inline FareTexts noneOffered() {
    const std::string none(notOfferedText);
    return {none, none, none, none, none, none, none};
}

} // namespace tessarin::fares
