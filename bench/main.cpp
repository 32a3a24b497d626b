// quarrion_bench: every benchmark of the project in one run, each printing its figures
// and their ratios to the floors and peers measured beside them.
#include <cstdio>

#include "bench_goal.h"
#include "bench_timing.h"

void RunDeckBench();
void RunTextLayoutBench();
void RunCanvasPaintBench();

int main() {
  RunDeckBench();
  RunTextLayoutBench();
  RunCanvasPaintBench();
  std::printf("Peak memory: %.0f MB\n", PeakMemoryMB());
  std::printf("Goals met: %d of %d\n", Goals().Met, Goals().Reported);
  return 0;
}
