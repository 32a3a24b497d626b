#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Median wall-clock seconds of `runs` calls of f, calling `prepare` untimed before each.
template <class P, class F>
double MedianSecondsAfter(int runs, P&& prepare, F&& f) {
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    f();
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Median wall-clock seconds of `runs` calls of f.
template <class F>
double MedianSeconds(int runs, F&& f) {
  return MedianSecondsAfter(runs, [] {}, f);
}

// Peak resident memory of this process so far, in megabytes (getrusage).
double PeakMemoryMB();
