#pragma once

// One line per goal of the runner: the measured ratio beside the figure it is compared
// with, the goal, and whether this run met it. Every goal is "at most `limit`".
void ReportGoal(const char* what, double ratio, const char* against, double limit);

// A goal this run could not measure: counted as missed.
void ReportUnmeasuredGoal(const char* what);

// The goals reported so far in this run: how many, and how many were met.
struct GoalTally {
  int Reported = 0;
  int Met = 0;
};
const GoalTally& Goals();
