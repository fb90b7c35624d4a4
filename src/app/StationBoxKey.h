#pragma once

namespace tessarin::app {

// What a released key does in a station box: nothing (Backspace, Shift,
// Ctrl, Alt, Space, the arrows, Insert, Delete), move on to the next control
// (Enter, Tab), or rebuild the suggestions (every other key).
enum class StationBoxKey { Ignored, MovesOn, Rebuilds };

StationBoxKey classifyStationBoxKey(int qtKey);

// Enter, as the train-number box reads it.
bool isEnterKey(int qtKey);

} // namespace tessarin::app
