// The time zone the test programs (tests, fuzz replay, micro-benchmarks) run
// in, never the machine's own: US Eastern with daylight saving, written as a
// POSIX rule so that no zone files are needed.
#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

namespace quorvel::testing {

#ifdef _WIN32
inline constexpr char kTestTimeZone[] = "EST5EDT";
#else
inline constexpr char kTestTimeZone[] = "EST5EDT,M3.2.0,M11.1.0";
#endif

// Sets TZ for this process and makes the C library read it again.
inline void SetTimeZone(const char* zone) {
#ifdef _WIN32
  _putenv_s("TZ", zone);
  _tzset();
#else
  setenv("TZ", zone, 1);
  tzset();
#endif
}

inline void UseTestTimeZone() { SetTimeZone(kTestTimeZone); }

// Switches the zone for one test and back after it (the test program sets one).
class ZoneGuard {
 public:
  explicit ZoneGuard(const char* zone) {
    const char* previous = std::getenv("TZ");
    previous_ = previous != nullptr ? previous : "";
    SetTimeZone(zone);
  }
  ~ZoneGuard() { SetTimeZone(previous_.c_str()); }
  ZoneGuard(const ZoneGuard&) = delete;
  ZoneGuard& operator=(const ZoneGuard&) = delete;

 private:
  std::string previous_;
};

// A local time by its fields, daylight saving left to the zone's rules.
inline std::tm LocalTm(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  return tm;
}

}  // namespace quorvel::testing
