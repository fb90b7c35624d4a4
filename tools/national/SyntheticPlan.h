#pragma once

#include "SyntheticNetwork.h"
#include "TrainRun.h"

#include <random>
#include <vector>

namespace tessarin::tools {

// Trains over the synthetic network in outward and return pairs: every type
// the fare rules tell apart and the express types, numbered as real trains
// are (letter by type, odd outward, even return), stopping at about twenty
// stations each and at the hubs they pass first of all, departing at any hour
// (so many run overnight), and carrying the classes their type usually does
// (no sleepers on 动车组, often only hard seats on 普慢). Most run along one
// line; about one pair in four runs along one line to a hub and on along
// another line from there, and a few are loop services that leave a hub,
// come back to it and run on. The same generator state gives the same trains.
std::vector<PlannedTrain> syntheticTrains(const SyntheticNetwork& network, int pairs, std::mt19937& random);

} // namespace tessarin::tools
