#include "Journey.h"

#include "queries/RunningTime.h"

namespace tessarin::journeys {

std::string Journey::trainsText() const {
    std::string text;
    for (const JourneyLeg& leg : legs)
        text += (text.empty() ? "" : " ") + leg.trainId;
    return text;
}

std::string Journey::viaText() const {
    std::string text;
    for (std::size_t i = 1; i < legs.size(); ++i)
        text += (text.empty() ? "" : " ") + legs[i].fromStation;
    return text.empty() ? "-" : text;
}

std::string Journey::durationText() const { return queries::FormatRunningTime(duration); }

std::string Journey::waitText() const { return queries::FormatRunningTime(wait); }

} // namespace tessarin::journeys
