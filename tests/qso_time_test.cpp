// The test program runs in US Eastern time (time_zone.h).
#include "engine/qso_time.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/local_time_cache.h"
#include "tests/time_zone.h"

namespace quorvel {
namespace {

std::string Format(std::int64_t seconds) {
  const QsoDateTime t = FormatStartTime(seconds);
  return std::string(t.date, t.dateLength) + " " + std::string(t.time, 6);
}

// What sscanf leaves in three numbers that held 1000, 1001 and 1002.
std::vector<int> Scanned(const std::string& value, const char* format) {
  int numbers[3] = {1000, 1001, 1002};
  const int read = std::sscanf(value.c_str(), format, &numbers[0], &numbers[1], &numbers[2]);
  static_cast<void>(read);  // the numbers not read keep their values
  return {numbers[0], numbers[1], numbers[2]};
}

// Dates and times as logs write them and next to that form, and random
// strings, mostly of digits.
std::vector<std::string> DateAndTimeValues() {
  std::vector<std::string> values = {
      "20240504", "20240504Z", "00000101", "99991231", "0930",      "143059",  "235960",
      "2460",     "2024050",   "2024 504", "2024050x", " 20240504", "+202405", "-0930",
      "09 30",    "0930 5",    "0x12",     "",         "\t0930",    "9",       "123456789012"};
  std::uint64_t state = 99;
  for (int i = 0; i < 20000; ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    std::string value;
    for (std::uint64_t r = state >> 33, length = r % 11; length > 0; --length, r /= 7) {
      value += r % 7 < 6 ? static_cast<char>('0' + r / 7 % 10) : " +-x\t"[r / 7 % 5];
    }
    values.push_back(value);
  }
  return values;
}

TEST(QsoTime, ReadsDatesAndTimesExactlyAsSscanf) {
  for (const std::string& value : DateAndTimeValues()) {
    std::tm t = testing::LocalTm(1000, 1001, 1002, 0, 0, 0);
    ReadQsoDate(value, t);
    EXPECT_EQ((std::vector<int>{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday}),
              Scanned(value, "%04d%02d%02d"))
        << '"' << value << '"';
    for (const long long length : {4LL, 6LL}) {
      t = testing::LocalTm(2000, 1, 1, 1000, 1001, 1002);
      EXPECT_TRUE(ReadQsoTime(value, length, t));
      std::vector<int> expected = Scanned(value, length == 4 ? "%02d%02d" : "%02d%02d%02d");
      if (length == 4) expected[2] = 0;
      EXPECT_EQ((std::vector<int>{t.tm_hour, t.tm_min, t.tm_sec}), expected)
          << '"' << value << "\" " << length;
    }
  }
}

TEST(QsoTime, ReadsDatesAsSscanfWouldAndKeepsWhatCannotBeRead) {
  struct Case {
    const char* value;
    int year, month, day;  // as read into a time that held 2000-06-15
  };
  const Case cases[] = {
      {"20240504", 2024, 5, 4},  {"2024050", 2024, 5, 0},    {"202405", 2024, 5, 15},
      {"2024", 2024, 6, 15},     {"", 2000, 6, 15},          {"x2024", 2000, 6, 15},
      {" 20240504", 2024, 5, 4}, {"2024-5-4", 2024, -5, -4},
  };
  for (const auto& c : cases) {
    std::tm t = testing::LocalTm(2000, 6, 15, 0, 0, 0);
    ReadQsoDate(c.value, t);
    EXPECT_EQ(t.tm_year + 1900, c.year) << c.value;
    EXPECT_EQ(t.tm_mon + 1, c.month) << c.value;
    EXPECT_EQ(t.tm_mday, c.day) << c.value;
  }
}

TEST(QsoTime, ReadsTimesByTheirDeclaredLength) {
  std::tm t = testing::LocalTm(2024, 5, 4, 1, 2, 3);
  EXPECT_TRUE(ReadQsoTime("0930", 4, t));
  EXPECT_EQ(t.tm_hour, 9);
  EXPECT_EQ(t.tm_min, 30);
  EXPECT_EQ(t.tm_sec, 0);
  EXPECT_TRUE(ReadQsoTime("143059", 6, t));
  EXPECT_EQ(t.tm_hour, 14);
  EXPECT_EQ(t.tm_min, 30);
  EXPECT_EQ(t.tm_sec, 59);
  for (long long length : {0LL, 3LL, 5LL, 7LL, 8LL, 1099511627780LL}) {
    EXPECT_FALSE(ReadQsoTime("09300", length, t)) << length;
    EXPECT_EQ(t.tm_hour, 14);
  }
}

TEST(QsoTime, StartTimeComesBackUnchangedAndNormalisesOutOfRangeFields) {
  struct Case {
    std::tm time;
    const char* expected;
  };
  const Case cases[] = {
      {testing::LocalTm(2024, 5, 4, 14, 30, 0), "20240504 143000"},
      {testing::LocalTm(2024, 1, 15, 23, 59, 59), "20240115 235959"},
      {testing::LocalTm(2024, 2, 30, 12, 0, 0), "20240301 120000"},
      {testing::LocalTm(2023, 2, 29, 12, 0, 0), "20230301 120000"},
      {testing::LocalTm(2024, 5, 4, 24, 60, 0), "20240505 010000"},
      {testing::LocalTm(2024, 12, 31, 23, 59, 60), "20250101 000000"},
  };
  for (const auto& c : cases) {
    std::tm t = c.time;
    EXPECT_EQ(Format(MakeStartTime(t)), c.expected);
  }
}

TEST(QsoTime, ReplacesTheBrokenDownTimeByItsNormalisedValues) {
  std::tm t = testing::LocalTm(2024, 2, 30, 12, 0, 0);
  MakeStartTime(t);
  EXPECT_EQ(t.tm_mon, 2);
  EXPECT_EQ(t.tm_mday, 1);
}

TEST(QsoTime, FollowsDaylightSavingRules) {
  std::tm winter = testing::LocalTm(2024, 1, 15, 12, 0, 0);
  std::tm summer = testing::LocalTm(2024, 7, 15, 12, 0, 0);
  // 12:00 EST is 17:00 UTC, 12:00 EDT is 16:00 UTC.
  EXPECT_EQ(MakeStartTime(winter), 1705338000);
  EXPECT_EQ(MakeStartTime(summer), 1721059200);
  // The last second before the spring change and the first after it.
  std::tm before = testing::LocalTm(2024, 3, 10, 1, 59, 59);
  const std::int64_t t = MakeStartTime(before);
  EXPECT_EQ(Format(t), "20240310 015959");
  EXPECT_EQ(Format(t + 1), "20240310 030000");
  // 02:30 on that day does not exist; it comes out an hour off, not lost.
  std::tm skipped = testing::LocalTm(2024, 3, 10, 2, 30, 0);
  const std::string shown = Format(MakeStartTime(skipped));
  EXPECT_TRUE(shown == "20240310 033000" || shown == "20240310 013000") << shown;
  // 01:30 on the autumn day happens twice; either reading is 01:30 again.
  std::tm repeated = testing::LocalTm(2024, 11, 3, 1, 30, 0);
  EXPECT_EQ(Format(MakeStartTime(repeated)), "20241103 013000");
}

// The cache shows each moment as the platform does: minute by minute over
// the days around both changes, back again, then before 1970, about the
// year 10000 and past what the platform can show.
TEST(QsoTime, FormatsWithTheCacheAsWithoutIt) {
  std::vector<std::int64_t> moments;
  for (const std::int64_t change : {1710054000LL, 1730613600LL}) {
    for (std::int64_t t = change - 3 * 86400; t <= change + 3 * 86400; t += 61) {
      moments.push_back(t);
    }
    for (std::int64_t t = change + 86400; t >= change - 86400; t -= 599) moments.push_back(t);
  }
  for (const std::int64_t t :
       {-1LL, 0LL, -2208988800LL, -62198755200LL, 253402318799LL, 253402318800LL, 1LL << 60}) {
    for (const std::int64_t step : {0LL, 1LL, 3600LL, 86400LL}) moments.push_back(t + step);
  }
  LocalTimeCache cache;
  struct Case {
    std::int64_t seconds;
    const char* shown;
  };
#ifdef _WIN32
  // The Windows C runtime reads no local time before 1970 or after 3000:
  // these moments are read as UTC there.
  const Case cases[] = {{253402318799, "100000101 045959"},
                        {253402318800, "100000101 050000"},
                        {-62198755200 + 5 * 3600, "-00010101 050000"},
                        {-1, "19691231 235959"}};
#else
  const Case cases[] = {{253402318799, "99991231 235959"},
                        {253402318800, "100000101 000000"},
                        {-62198755200 + 5 * 3600, "-00010101 000000"},
                        {-1, "19691231 185959"}};
#endif
  for (const Case& c : cases) {
    const QsoDateTime t = FormatStartTime(c.seconds, cache);
    EXPECT_EQ(std::string(t.date, t.dateLength) + " " + std::string(t.time, 6), c.shown);
    EXPECT_EQ(Format(c.seconds), c.shown);
  }
  int mismatches = 0;
  for (const std::int64_t seconds : moments) {
    const QsoDateTime t = FormatStartTime(seconds, cache);
    const std::string cached = std::string(t.date, t.dateLength) + " " + std::string(t.time, 6);
    if (cached != Format(seconds) && ++mismatches <= 10) {
      ADD_FAILURE() << seconds << ": cached " << cached << ", platform " << Format(seconds);
    }
  }
}

TEST(QsoTime, EveryRecordGetsADefiniteTimeEvenBefore1970) {
  std::tm old = testing::LocalTm(1960, 7, 1, 10, 0, 0);
  const std::string shown = Format(MakeStartTime(old));
  EXPECT_EQ(shown, "19600701 100000");
  std::tm initial = InitialQsoTime();
  EXPECT_EQ(Format(MakeStartTime(initial)), "19700101 000000");
}

}  // namespace
}  // namespace quorvel
