#pragma once

#include <string>

#include "model/clock.h"

// A clock stopped at 2024-03-05 14:07:09, so that exports compare byte for byte.
class FixedClock : public TClock {
 public:
  TDateTime Now() const override { return {2024, 3, 5, 14, 7, 9}; }
  std::string ShortDate(const TDateTime&) const override { return "05/03/2024"; }
  std::string LongTime(const TDateTime&) const override { return "14:07:09"; }
};

// Installs the fixed clock for the lifetime of a test.
class FixedClockScope {
 public:
  FixedClockScope() { InstallClock(&clock_); }
  ~FixedClockScope() { InstallClock(nullptr); }
  FixedClockScope(const FixedClockScope&) = delete;
  FixedClockScope& operator=(const FixedClockScope&) = delete;

 private:
  FixedClock clock_;
};
