#pragma once

#include <random>
#include <string>
#include <vector>

namespace tessarin::tools {

// A railway line of the synthetic network: stations in order with their
// kilometre posts.
struct SyntheticLine {
    std::vector<std::string> stations;
    std::vector<int> km;
};

// A made-up national network with the shapes of the real one: cities whose
// names share their first character, cities with several stations named
// after them (X, X东, X西, X南, X北), lines that cross at shared stations, and
// hubs (the main stations of big cities) where many lines meet: every line
// passes through a hub every few stations.
struct SyntheticNetwork {
    std::vector<SyntheticLine> lines;
    std::vector<std::string> hubs;
};

// The same generator state gives the same network.
SyntheticNetwork syntheticNetwork(std::mt19937& random);

} // namespace tessarin::tools
