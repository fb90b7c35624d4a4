#pragma once

namespace tessarin::bench {

// Every window benchmark is repeated, and reported by the median.
inline constexpr int windowRepetitions = 5;

// Registers the start-up benchmarks (StartUpBench.cpp) and the result
// grid's (ResultGridBench.cpp).
void registerStartUpBenchmarks();
void registerResultGridBenchmarks();
// Closes the result grid's window, if a benchmark made it; before the
// application object ends.
void closeResultGridWindow();

} // namespace tessarin::bench
