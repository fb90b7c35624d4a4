#pragma once

#include "SyntheticNetwork.h"
#include "TrainRun.h"

#include <random>
#include <vector>

namespace tessarin::tools {

// Trains over the synthetic network in outward and return pairs: every type
// the fare rules tell apart and the express types, numbered as real trains
// are (letter by type, odd outward, even return), stopping at about twenty
// stations each, departing at any hour (so many run overnight), and carrying
// the classes their type usually does (no sleepers on 动车组, often only hard
// seats on 普慢). The same generator state gives the same trains.
std::vector<PlannedTrain> syntheticTrains(const std::vector<SyntheticLine>& lines, int pairs, std::mt19937& random);

} // namespace tessarin::tools
