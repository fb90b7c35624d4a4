#include "UndominatedJourneys.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace tessarin::journeys {
namespace {

auto figures(const FoundJourney& journey) {
    return std::make_tuple(journey.departure, journey.arrival(), journey.head.label.changes);
}

// One journey of each departure, arrival and changes: the best.
void keepBestOfTies(std::vector<FoundJourney>& found, const RoundLabels& labels) {
    std::sort(found.begin(), found.end(), [&](const FoundJourney& a, const FoundJourney& b) {
        if (figures(a) != figures(b))
            return figures(a) < figures(b);
        return labels.better(a.head, b.head);
    });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const FoundJourney& a, const FoundJourney& b) { return figures(a) == figures(b); }),
                found.end());
}

} // namespace

std::vector<FoundJourney> undominatedJourneys(std::vector<FoundJourney> found, const RoundLabels& labels) {
    keepBestOfTies(found, labels);
    // Latest departures first, and of one departure the earliest arrivals
    // and fewest changes first: a journey is dominated exactly when one seen
    // before it arrives no later with no more changes.
    std::vector<std::size_t> order(found.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto& x = found[a];
        const auto& y = found[b];
        return std::make_tuple(-x.departure, x.arrival(), x.head.label.changes) <
               std::make_tuple(-y.departure, y.arrival(), y.head.label.changes);
    });
    std::vector<int> earliestArrival(maxChanges + 1, INT_MAX);
    std::vector<char> dominated(found.size(), 0);
    for (const std::size_t i : order) {
        const int changes = found[i].head.label.changes;
        const int arrival = found[i].arrival();
        dominated[i] = *std::min_element(earliestArrival.begin(), earliestArrival.begin() + changes + 1) <= arrival;
        earliestArrival[changes] = std::min(earliestArrival[changes], arrival);
    }
    std::vector<FoundJourney> answer;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!dominated[i])
            answer.push_back(found[i]);
    }
    return answer;
}

} // namespace tessarin::journeys
