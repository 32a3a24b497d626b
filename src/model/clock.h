#pragma once

#include <string>

// A moment in local (or, with SOURCE_DATE_EPOCH, UTC) time.
struct TDateTime {
  int Year = 1970;
  int Month = 1;
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// Where the core gets the time and the user's date and time formats. The GUI and the CLI
// install the platform's; tests install a fixed one.
class TClock {
 public:
  virtual ~TClock() = default;
  virtual TDateTime Now() const = 0;
  // The system's short date and long time formats.
  virtual std::string ShortDate(const TDateTime& t) const = 0;
  virtual std::string LongTime(const TDateTime& t) const = 0;
};

// The system clock: local time, or the SOURCE_DATE_EPOCH moment in UTC when that
// variable is set (so exports can be reproduced byte for byte); C-library locale formats.
const TClock& SystemClock();
// The clock the core uses: SystemClock() unless one was installed.
const TClock& CurrentClock();
// Installs a clock (nullptr restores the system clock). The caller keeps it alive.
void InstallClock(const TClock* clock);

// "yyyymmddhhmmss".
std::string CompactDateTime(const TDateTime& t);
