#include "model/clock.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
TDateTime FromTm(const std::tm& tm) {
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::tm ToTm(const TDateTime& t) {
  std::tm tm{};
  tm.tm_year = t.Year - 1900;
  tm.tm_mon = t.Month - 1;
  tm.tm_mday = t.Day;
  tm.tm_hour = t.Hour;
  tm.tm_min = t.Minute;
  tm.tm_sec = t.Second;
  return tm;
}

std::string Format(const char* fmt, const TDateTime& t) {
  std::tm tm = ToTm(t);
  char buf[128];
  std::size_t n = std::strftime(buf, sizeof buf, fmt, &tm);
  return std::string(buf, n);
}

class SystemClockImpl : public TClock {
 public:
  TDateTime Now() const override {
    std::tm tm{};
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
      char* end = nullptr;
      errno = 0;
      long long v = std::strtoll(epoch, &end, 10);
      if (errno == 0 && end != epoch && *end == '\0' && v >= 0) {
        std::time_t tt = static_cast<std::time_t>(v);
        gmtime_r(&tt, &tm);
        return FromTm(tm);
      }
    }
    std::time_t now = std::time(nullptr);
    localtime_r(&now, &tm);
    return FromTm(tm);
  }
  std::string ShortDate(const TDateTime& t) const override { return Format("%x", t); }
  std::string LongTime(const TDateTime& t) const override { return Format("%X", t); }
};

const TClock* installed = nullptr;
}  // namespace

const TClock& SystemClock() {
  static const SystemClockImpl clock;
  return clock;
}

const TClock& CurrentClock() { return installed ? *installed : SystemClock(); }

void InstallClock(const TClock* clock) { installed = clock; }

std::string CompactDateTime(const TDateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", t.Year, t.Month, t.Day, t.Hour,
                t.Minute, t.Second);
  return buf;
}
