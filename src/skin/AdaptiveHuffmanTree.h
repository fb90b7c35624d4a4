#pragma once

#include "LzhufModel.h"

#include <array>

namespace tessarin::skin::lzhuf {

// The adaptive Huffman tree of LZHUF. Nodes are kept in order of rising
// frequency; node i's children are child(i) and child(i) + 1 (the first for a
// 0 bit, the second for a 1 bit), and a child index of nodeCount or more is the
// leaf of symbol index - nodeCount. Packer and unpacker start from the same
// tree and call update() after every symbol, so both sides keep the same codes.
class AdaptiveHuffmanTree {
public:
    AdaptiveHuffmanTree();

    int child(int node) const { return children_[node]; }
    int parent(int node) const { return parents_[node]; }
    // The node that holds the leaf of a symbol.
    int leafNode(int symbol) const { return parents_[symbol + nodeCount]; }

    // Counts one more occurrence of a symbol and restores the order of the
    // nodes; the tree is rebuilt with halved frequencies when the root's
    // frequency reaches rebuildFrequency.
    void update(int symbol);

private:
    void rebuild();
    void connectParents();

    // One more than the nodes: a sentinel frequency above any real one.
    std::array<unsigned, nodeCount + 1> frequencies_{};
    // Parents of the nodes, then, from nodeCount on, the node of each leaf.
    std::array<int, nodeCount + symbolCount> parents_{};
    std::array<int, nodeCount> children_{};
};

} // namespace tessarin::skin::lzhuf
