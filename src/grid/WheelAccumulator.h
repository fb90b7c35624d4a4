#pragma once

namespace tessarin::grid {

// Adds up wheel deltas (positive away from the user); every full 120 units
// is one record. What is left over waits for the next delta, keeping its
// direction.
class WheelAccumulator {
public:
    // The records to move for one more delta: forward (positive) for turns
    // towards the user, back for turns away.
    int add(int delta) {
        sum_ += delta;
        const int notches = sum_ / notch;
        sum_ -= notches * notch;
        return -notches;
    }

private:
    static constexpr int notch = 120;
    int sum_ = 0;
};

} // namespace tessarin::grid
