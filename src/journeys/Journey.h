#pragma once

#include <array>
#include <string>
#include <vector>

namespace tessarin::journeys {

// What a search allows: how many changes a journey may make (0 to 2), the
// least wait at a change and the longest, in minutes.
struct JourneyOptions {
    int maxChanges = 2;
    int minChange = 30;
    int maxWait = 12 * 60;
};

// One ride on one train: the stored texts of its two stops, and its figures.
struct JourneyLeg {
    std::string trainId;
    std::string type;
    std::string fromStation;
    std::string toStation;
    // d_time of the boarding stop and a_time of the alighting stop, as stored.
    std::string departureTime;
    std::string arrivalTime;
    // s_no of both stops, as stored.
    std::string fromStopNumber;
    std::string toStopNumber;
    // The alighting stop's distance minus the boarding stop's, as val() reads
    // them, and as CStr() writes the difference.
    double distance = 0;
    std::string distanceText;
    // p1 .. p4 of the alighting stop minus those of the boarding stop, as
    // CStr(val() - val()) writes them: what the fare calculation takes to tell
    // the classes the leg offers ("0" for one it does not).
    std::array<std::string, 4> classes;
    // Minutes from the journey's departure to this leg's, the wait at the
    // change before it (0 for the first leg) and the ride.
    int departureOffset = 0;
    int waitBefore = 0;
    int ride = 0;
};

// A journey: its legs, its departure as a clock time of one day (0-1439
// minutes after midnight), its duration (rides and waits) and its arrival
// (departure + duration, so 1440 and more on a later day), its changes and
// its total wait, all in minutes.
struct Journey {
    std::vector<JourneyLeg> legs;
    int departure = 0;
    int duration = 0;
    int arrival = 0;
    int changes = 0;
    int wait = 0;

    // Calendar days from the departure to the arrival.
    int days() const { return arrival / 1440; }
    // The train numbers, space-separated.
    std::string trainsText() const;
    // The change stations, space-separated; "-" for a direct train.
    std::string viaText() const;
    // The duration and the total wait as running time ("h:mm").
    std::string durationText() const;
    std::string waitText() const;
};

} // namespace tessarin::journeys
