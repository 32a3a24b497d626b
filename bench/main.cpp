// quarrion_bench: every benchmark of the project in one run, each printing its figures
// and their ratios to the floors and peers measured beside them.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "bench_goal.h"
#include "bench_timing.h"

void RunDeckBench();
void RunTextLayoutBench();
void RunCanvasPaintBench();
std::map<std::string, double> RunDesignerBench();
void RunMemoryBench(const std::map<std::string, double>& designer);
int RunMemoryChild(const std::string& path);

int main(int argc, char** argv) {
  if (argc > 2 && std::strcmp(argv[1], "--memory-child") == 0) return RunMemoryChild(argv[2]);
  RunDeckBench();
  RunTextLayoutBench();
  RunCanvasPaintBench();
  const std::map<std::string, double> designer = RunDesignerBench();
  RunMemoryBench(designer);
  std::printf("Peak memory: %.0f MB\n", PeakMemoryMB());
  std::printf("Goals met: %d of %d\n", Goals().Met, Goals().Reported);
  return 0;
}
