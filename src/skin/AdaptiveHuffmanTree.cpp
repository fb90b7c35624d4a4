#include "AdaptiveHuffmanTree.h"

#include <algorithm>

namespace tessarin::skin::lzhuf {

AdaptiveHuffmanTree::AdaptiveHuffmanTree() {
    for (int symbol = 0; symbol < symbolCount; ++symbol) {
        frequencies_[symbol] = 1;
        children_[symbol] = symbol + nodeCount;
        parents_[symbol + nodeCount] = symbol;
    }
    for (int pair = 0, node = symbolCount; node <= rootNode; pair += 2, ++node) {
        frequencies_[node] = frequencies_[pair] + frequencies_[pair + 1];
        children_[node] = pair;
        parents_[pair] = parents_[pair + 1] = node;
    }
    frequencies_[nodeCount] = 0xffff;
    parents_[rootNode] = 0;
}

void AdaptiveHuffmanTree::update(int symbol) {
    if (frequencies_[rootNode] == rebuildFrequency)
        rebuild();
    int node = parents_[symbol + nodeCount];
    do {
        const unsigned frequency = ++frequencies_[node];
        // The node now outweighs its right neighbour: swap it with the last
        // node of lower frequency so that the order holds again.
        if (frequency > frequencies_[node + 1]) {
            int swapWith = node + 1;
            while (frequency > frequencies_[swapWith + 1])
                ++swapWith;
            frequencies_[node] = frequencies_[swapWith];
            frequencies_[swapWith] = frequency;

            const int movedChild = children_[node];
            parents_[movedChild] = swapWith;
            if (movedChild < nodeCount)
                parents_[movedChild + 1] = swapWith;
            const int otherChild = children_[swapWith];
            children_[swapWith] = movedChild;
            parents_[otherChild] = node;
            if (otherChild < nodeCount)
                parents_[otherChild + 1] = node;
            children_[node] = otherChild;
            node = swapWith;
        }
        node = parents_[node];
    } while (node != 0);
}

void AdaptiveHuffmanTree::rebuild() {
    // Gather the leaves at the front with halved frequencies (rounded up).
    int leaves = 0;
    for (int node = 0; node < nodeCount; ++node) {
        if (children_[node] >= nodeCount) {
            frequencies_[leaves] = (frequencies_[node] + 1) / 2;
            children_[leaves] = children_[node];
            ++leaves;
        }
    }
    // Join pairs into inner nodes, each inserted where its frequency keeps
    // the order.
    for (int pair = 0, node = symbolCount; node < nodeCount; pair += 2, ++node) {
        const unsigned frequency = frequencies_[pair] + frequencies_[pair + 1];
        int place = node;
        while (frequency < frequencies_[place - 1])
            --place;
        std::copy_backward(frequencies_.begin() + place, frequencies_.begin() + node, frequencies_.begin() + node + 1);
        std::copy_backward(children_.begin() + place, children_.begin() + node, children_.begin() + node + 1);
        frequencies_[place] = frequency;
        children_[place] = pair;
    }
    connectParents();
}

void AdaptiveHuffmanTree::connectParents() {
    for (int node = 0; node < nodeCount; ++node) {
        const int child = children_[node];
        parents_[child] = node;
        if (child < nodeCount)
            parents_[child + 1] = node;
    }
}

} // namespace tessarin::skin::lzhuf
