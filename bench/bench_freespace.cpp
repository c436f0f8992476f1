// Cost of working out the free space of one setting: what a change in the
// settings form costs the window. Every case must stay far below a 10 ms frame.

#include "freespace.h"

#include <benchmark/benchmark.h>

namespace {
void computeFreeSpaceOnce(benchmark::State &state, double side, double atomR, double electronR,
                          int strips)
{
    LatticeGeometry geometry;
    geometry.width = 400;
    geometry.height = 400;
    geometry.originX = 25;
    geometry.originY = 25;
    geometry.side = side;
    geometry.atomR = atomR;
    geometry.electronR = electronR;
    geometry.strips = strips;
    for (auto _ : state) {
        FreeSpace space = computeFreeSpace(geometry);
        benchmark::DoNotOptimize(space);
    }
}
} // namespace

BENCHMARK_CAPTURE(computeFreeSpaceOnce, defaults, 50, 10, 4, 3);
BENCHMARK_CAPTURE(computeFreeSpaceOnce, spacing5_radii400, 5, 400, 400, 3);
BENCHMARK_CAPTURE(computeFreeSpaceOnce, spacing5_radii0_1_strips100, 5, 0.1, 0.1, 100);
BENCHMARK_CAPTURE(computeFreeSpaceOnce, spacing7_radii1_9_narrow_gaps, 7, 1.9, 1.9, 3);
// The slowest found on a sweep of the settings: many cover laws per column, 100 strips.
BENCHMARK_CAPTURE(computeFreeSpaceOnce, spacing5_radii0_9_1_9_strips100, 5, 0.9, 1.9, 100);

BENCHMARK_MAIN();
