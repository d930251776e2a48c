// The cache must give exactly what the platform's mktime and localtime give,
// call for call. The test program runs in US Eastern time (time_zone.h);
// some tests switch to other zones for a while.
#include "engine/local_time_cache.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "engine/civil_time.h"
#include "engine/platform/local_time.h"
#include "tests/time_zone.h"

namespace quorvel {
namespace {

using testing::ZoneGuard;

std::string Show(bool ok, std::int64_t seconds, const std::tm& tm) {
  if (!ok) return "failed";
  char text[128];
  std::snprintf(text, sizeof text, "%lld = %d-%02d-%02d %02d:%02d:%02d wday %d yday %d dst %d",
                static_cast<long long>(seconds), tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday, tm.tm_yday, tm.tm_isdst);
  return text;
}

// glibc's mktime starts its search at the offset of its previous call, which
// decides a repeated hour: both runs start from the same call.
void Prime() {
  std::tm noon = testing::LocalTm(2000, 1, 15, 12, 0, 0);
  std::int64_t ignored = 0;
  PlatformMakeLocalTime(noon, ignored);
}

std::vector<std::string> PlatformReadings(const std::vector<std::tm>& inputs) {
  Prime();
  std::vector<std::string> out;
  for (std::tm tm : inputs) {
    std::int64_t seconds = 0;
    const bool ok = PlatformMakeLocalTime(tm, seconds);
    out.push_back(Show(ok, seconds, tm));
  }
  return out;
}

std::vector<std::string> CachedReadings(const std::vector<std::tm>& inputs) {
  Prime();
  LocalTimeCache cache;
  std::vector<std::string> out;
  for (std::tm tm : inputs) {
    std::int64_t seconds = 0;
    const bool ok = cache.MakeLocalTime(tm, seconds);
    out.push_back(Show(ok, seconds, tm));
  }
  return out;
}

void ExpectSameReadings(const std::vector<std::tm>& inputs) {
  const std::vector<std::string> expected = PlatformReadings(inputs);
  const std::vector<std::string> cached = CachedReadings(inputs);
  ASSERT_EQ(cached.size(), expected.size());
  int mismatches = 0;
  for (std::size_t i = 0; i < inputs.size() && mismatches < 10; ++i) {
    if (cached[i] != expected[i]) {
      ++mismatches;
      ADD_FAILURE() << "input " << i << ": cached " << cached[i] << ", platform " << expected[i];
    }
  }
}

void ExpectSameLocalTimes(const std::vector<std::int64_t>& moments) {
  LocalTimeCache cache;
  int mismatches = 0;
  for (const std::int64_t seconds : moments) {
    std::tm expected{};
    std::tm cached{};
    const bool expectedOk = PlatformLocalTime(seconds, expected);
    const bool cachedOk = cache.LocalTime(seconds, cached);
    const std::string want = Show(expectedOk, seconds, expected);
    const std::string got = Show(cachedOk, seconds, cached);
    if (want != got && ++mismatches <= 10)
      ADD_FAILURE() << "cached " << got << ", platform " << want;
  }
}

// Every second of the six hours around a changeover, forward and back.
std::vector<std::int64_t> SecondsAround(std::int64_t changeover) {
  std::vector<std::int64_t> moments;
  for (std::int64_t t = changeover - 3 * 3600; t <= changeover + 3 * 3600; ++t) {
    moments.push_back(t);
  }
  for (std::int64_t t = changeover + 3 * 3600; t >= changeover - 3 * 3600; t -= 7) {
    moments.push_back(t);
  }
  return moments;
}

// Local times a log may hold on the days around a changeover: every minute
// with changing seconds, now and then a field out of range, then the same
// backwards.
std::vector<std::tm> LocalTimesAround(int year, int month, int day) {
  std::vector<std::tm> inputs;
  const std::int64_t midnight = SecondsAsUtc(testing::LocalTm(year, month, day, 0, 0, 0));
  for (int minute = -36 * 60; minute <= 36 * 60; ++minute) {
    std::tm tm = testing::LocalTm(year, month, day, 0, 0, 0);
    BreakDownSeconds(midnight + minute * 60 + (minute * 13 + 6000) % 60, tm);
    tm.tm_isdst = -1;
    inputs.push_back(tm);
    if (minute % 17 == 0) inputs.push_back(testing::LocalTm(year, month, day, 0, minute, 0));
  }
  for (int hour = 0; hour <= 4; ++hour) {
    for (const int second : {0, 59, 60, 61, -1}) {
      inputs.push_back(testing::LocalTm(year, month, day, hour, 59, second));
    }
    inputs.push_back(testing::LocalTm(year, month, day, hour, 60, 0));
    inputs.push_back(testing::LocalTm(year, month, day, hour, -1, 30));
  }
  inputs.push_back(testing::LocalTm(year, month, day - 1, 24, 30, 0));
  inputs.push_back(testing::LocalTm(year, month, 0, 1, 30, 0));
  inputs.push_back(testing::LocalTm(year, month + 1, -30, 2, 30, 0));
  const std::size_t forward = inputs.size();
  for (std::size_t i = forward; i-- > 0;) inputs.push_back(inputs[i]);
  return inputs;
}

// A log day after day, a QSO every 97 seconds, from a week before the
// change on day to a week after it: most times fall in the day of the time
// before, some of it far from the change. Now and then the same date with a
// field out of range, a time in the skipped or repeated hour, or a record
// from days or a year before.
std::vector<std::tm> LogDaysAround(int year, int month, int day) {
  std::vector<std::tm> inputs;
  const std::int64_t start = SecondsAsUtc(testing::LocalTm(year, month, day - 7, 0, 0, 0));
  for (int i = 0; i * 97 < 14 * 86400; ++i) {
    std::tm tm = testing::LocalTm(year, month, day, 0, 0, 0);
    BreakDownSeconds(start + i * 97, tm);
    tm.tm_isdst = -1;
    inputs.push_back(tm);
    const auto changed = [&inputs, &tm](int std::tm::*field, int value) {
      std::tm odd = tm;
      odd.*field = value;
      inputs.push_back(odd);
    };
    if (i % 101 == 0) {
      changed(&std::tm::tm_sec, 60);
      changed(&std::tm::tm_sec, -1);
      changed(&std::tm::tm_min, 60);
      changed(&std::tm::tm_hour, 24);
    }
    if (i % 211 == 0) {
      inputs.push_back(testing::LocalTm(year, month, day, 1, 30 + i % 30, i % 60));
      inputs.push_back(testing::LocalTm(year, month, day, 2, 10 + i % 20, i % 60));
      inputs.push_back(tm);
    }
    if (i % 397 == 0) {
      changed(&std::tm::tm_mday, tm.tm_mday - 3);
      changed(&std::tm::tm_year, tm.tm_year - 1);
    }
  }
  return inputs;
}

TEST(LocalTimeCache, MktimeMatchesDayAfterDayOfALogThroughTheChanges) {
  ExpectSameReadings(LogDaysAround(2024, 3, 10));
  ExpectSameReadings(LogDaysAround(2024, 11, 3));
  ZoneGuard guard("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");  // half an hour
  ExpectSameReadings(LogDaysAround(2024, 4, 7));
  ExpectSameReadings(LogDaysAround(2024, 10, 6));
}

TEST(LocalTimeCache, LocaltimeMatchesEverySecondAroundTheUsChangeovers) {
  ExpectSameLocalTimes(SecondsAround(1710054000));  // 2024-03-10 02:00 EST
  ExpectSameLocalTimes(SecondsAround(1730613600));  // 2024-11-03 02:00 EDT
}

TEST(LocalTimeCache, LocaltimeMatchesOverASweepOfYearsWithJumps) {
  std::vector<std::int64_t> moments;
  std::uint64_t state = 12345;
  std::int64_t t = 0;
  for (int i = 0; i < 200000; ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const std::uint64_t r = state >> 33;
    if (r % 1000 == 0) {
      t = static_cast<std::int64_t>(r % 4102444800ULL);  // anywhere 1970 to 2100
    } else {
      t += static_cast<std::int64_t>(r % 7200) - (r % 97 == 0 ? 90000 : 600);
    }
    moments.push_back(t);
  }
  ExpectSameLocalTimes(moments);
}

TEST(LocalTimeCache, MktimeMatchesAroundTheUsChangeovers) {
  ExpectSameReadings(LocalTimesAround(2024, 3, 10));
  ExpectSameReadings(LocalTimesAround(2024, 11, 3));
  ExpectSameReadings(LocalTimesAround(2007, 3, 11));
}

// The repeated hour is read by the offset of the call before: summer before
// it gives daylight time, winter standard time. The cache must keep that.
TEST(LocalTimeCache, MktimeMatchesInTheRepeatedHourWhateverCameBefore) {
  std::vector<std::tm> inputs;
  for (int i = 0; i < 40; ++i) {
    inputs.push_back(testing::LocalTm(2024, i % 2 == 0 ? 7 : 12, 1, 12, i, 0));
    for (int second : {0, 1, 58, 59})
      inputs.push_back(testing::LocalTm(2024, 11, 3, 1, 59, second));
    inputs.push_back(testing::LocalTm(2024, 11, 3, 1, i, 30));
    inputs.push_back(testing::LocalTm(2024, 11, 3, 0, 59, 59));
    inputs.push_back(testing::LocalTm(2024, 11, 3, 2, 0, i));
    inputs.push_back(testing::LocalTm(2024, 3, 10, 2, i, 0));  // the skipped hour
    inputs.push_back(testing::LocalTm(2024, 3, 10, 3, i, 0));
  }
  ExpectSameReadings(inputs);
}

TEST(LocalTimeCache, MktimeMatchesOverASweepOfRandomLocalTimes) {
  std::vector<std::tm> inputs;
  std::uint64_t state = 777;
  std::tm tm = testing::LocalTm(2010, 1, 1, 0, 0, 0);
  for (int i = 0; i < 100000; ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const std::uint64_t r = state >> 33;
    if (r % 500 == 0) {
      tm = testing::LocalTm(1971 + static_cast<int>(r % 120), 1 + static_cast<int>(r / 7 % 12),
                            1 + static_cast<int>(r / 11 % 31), static_cast<int>(r / 13 % 24), 0, 0);
    }
    tm.tm_sec += static_cast<int>(r % 300);
    std::tm input = tm;
    if (r % 211 == 0) input.tm_sec = 60;
    if (r % 223 == 0) input.tm_min = 60;
    inputs.push_back(input);
    std::int64_t ignored = 0;
    PlatformMakeLocalTime(tm, ignored);  // normalised, as the driver keeps it
    tm.tm_isdst = -1;
  }
  ExpectSameReadings(inputs);
}

TEST(LocalTimeCache, MatchesInZonesWithOtherRules) {
  // Half an hour of daylight saving in the south; Europe's rules; no rules.
  for (const char* zone : {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", "CET-1CEST,M3.5.0,M10.5.0/3",
                           "UTC0", "<-0330>3:30"}) {
    ZoneGuard guard(zone);
    SCOPED_TRACE(zone);
    ExpectSameReadings(LocalTimesAround(2024, 4, 7));
    ExpectSameReadings(LocalTimesAround(2024, 10, 6));
    ExpectSameReadings(LocalTimesAround(2024, 3, 31));
    ExpectSameReadings(LocalTimesAround(2024, 10, 27));
    ExpectSameLocalTimes(SecondsAround(1712419200));  // 2024-04-06 16:00 UTC
    ExpectSameLocalTimes(SecondsAround(1711846800));  // 2024-03-31 01:00 UTC
  }
}

// A leap second reads 23:59:60, which no arithmetic gives: it must come from
// the platform. Only zone files count leap seconds; skipped where there are none.
TEST(LocalTimeCache, LocaltimeMatchesAcrossALeapSecond) {
  if (std::FILE* file = std::fopen("/usr/share/zoneinfo/right/UTC", "rb")) {
    std::fclose(file);
  } else {
    GTEST_SKIP() << "no zone file with leap seconds";
  }
  ZoneGuard guard("right/UTC");
  ExpectSameLocalTimes(SecondsAround(1483228826));  // 2016-12-31 23:59:60 counted with leaps
}

}  // namespace
}  // namespace quorvel
