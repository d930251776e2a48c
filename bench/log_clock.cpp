#include "bench/log_clock.h"

#include <cstdio>

namespace quorvel::bench {

namespace {

constexpr long long kDay = 86400;

long long DaysFromCivil(long long y, long long m, long long d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

void CivilFromDays(long long z, long long& y, long long& m, long long& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = yoe + era * 400 + (m <= 2);
}

long long Weekday(long long days) { return (days + 4) % 7; }  // 0 Sunday; 1970-01-01 a Thursday

long long NthSunday(long long y, long long m, int n) {
  const long long first = DaysFromCivil(y, m, 1);
  return first + (7 - Weekday(first)) % 7 + 7 * (n - 1);
}

long long LastSunday(long long y, long long m) {
  const long long last = DaysFromCivil(y, m + 1, 1) - 1;
  return last - Weekday(last);
}

// The first changeover Sunday (US since 2007, or EU) after day.
long long NextChangeoverSunday(long long day) {
  long long y = 0, m = 0, d = 0;
  CivilFromDays(day, y, m, d);
  long long best = -1;
  for (long long year = y; year <= y + 1; ++year) {
    for (long long sunday : {NthSunday(year, 3, 2), NthSunday(year, 11, 1), LastSunday(year, 3),
                             LastSunday(year, 10)}) {
      if (sunday > day + 1 && (best < 0 || sunday < best)) best = sunday;
    }
  }
  return best;
}

}  // namespace

void LogClock::StartContest(std::uint64_t random) {
  long long day = contests_ == 0 ? DaysFromCivil(2008, 1, 5) : now_ / kDay + 7 + random % 29;
  long long start = 14 + static_cast<long long>(random >> 8) % 4;
  if (edgeTimes_ && contests_ % 4 == 3) {
    day = NextChangeoverSunday(day) - 1;  // the Saturday before
    start = 18;
  }
  day += (6 - Weekday(day) + 7) % 7;  // a Saturday
  now_ = day * kDay + start * 3600;
  end_ = now_ + (24 + static_cast<long long>(random >> 16) % 10) * 3600;
  ++contests_;
}

LogTime LogClock::Next(std::uint64_t random) {
  const long long roll = static_cast<long long>(random % 100);
  const long long r = static_cast<long long>(random >> 8);
  now_ += roll < 60 ? 10 + r % 50 : roll < 95 ? 60 + r % 180 : 300 + r % 3300;
  if (now_ >= end_) StartContest(random >> 24);
  long long y = 0, m = 0, d = 0;
  CivilFromDays(now_ / kDay, y, m, d);
  const long long s = now_ % kDay;
  char date[16];
  char time[16];
  std::snprintf(date, sizeof date, "%04lld%02lld%02lld", y, m, d);
  std::snprintf(time, sizeof time, "%02lld%02lld%02lld", s / 3600, s / 60 % 60, s % 60);
  return LogTime{date, time};
}

}  // namespace quorvel::bench
