// The designer's own figures, from the programs built beside the runner (each needs the
// widgets and, for start-up, a fresh process per run): start to the first paint of the
// main window, and a slide show's key to the next slide on screen.
#include <cstdio>
#include <map>
#include <string>

#include "bench_goal.h"
#include "sibling_program.h"

std::map<std::string, double> RunDesignerBench() {
  std::printf("Designer start-up (startup/quarrion_startup_bench):\n");
  std::map<std::string, double> figures = RunSibling("startup/quarrion_startup_bench", "9");
  std::printf("Slide show (quarrion_show_bench):\n");
  const std::map<std::string, double> show = RunSibling("quarrion_show_bench", "");
  figures.insert(show.begin(), show.end());
  auto goal = [&](const char* what, const char* figure, double limitMs, const char* against) {
    if (figures.count(figure))
      ReportGoal(what, figures.at(figure) / limitMs, against, 1.0);
    else
      ReportUnmeasuredGoal(what);
  };
  goal("start-up to a painted window, empty document", "startup-empty-ms", 300, "300 ms");
  goal("start-up to a painted window, the deck", "startup-deck-ms", 300, "300 ms");
  goal("slide show, key to the next slide", "show-key-ms", 16, "a 16 ms frame");
  return figures;
}
