#include "bench_goal.h"

#include <cstdio>

namespace {
GoalTally tally;
}

void ReportGoal(const char* what, double ratio, const char* against, double limit) {
  const bool met = ratio <= limit;
  ++tally.Reported;
  if (met) ++tally.Met;
  std::printf("  goal: %-44s %7.2f x %-30s (at most %.2f) %s\n", what, ratio, against, limit,
              met ? "met" : "MISSED");
}

void ReportUnmeasuredGoal(const char* what) {
  ++tally.Reported;
  std::printf("  goal: %-44s not measured, MISSED\n", what);
}

const GoalTally& Goals() { return tally; }
