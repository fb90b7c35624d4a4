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
// after them (X, X东, X西, X南, X北), and lines that cross at shared stations.
// The same generator state gives the same network.
std::vector<SyntheticLine> syntheticNetwork(std::mt19937& random);

} // namespace tessarin::tools
