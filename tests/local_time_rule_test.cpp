// The reading of local times (engine/platform/local_time.h): the C library's
// answers in every zone of the machine, and the cases that show the rule.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "engine/civil_time.h"
#include "engine/platform/local_time.h"
#include "engine/qso_time.h"
#include "tests/time_zone.h"
#include "tests/zone_changeovers.h"

namespace quorvel {
namespace {

std::string Shown(std::int64_t seconds) {
  const QsoDateTime t = FormatStartTime(seconds);
  return std::string(t.date, t.dateLength) + " " + t.time;
}

// Reads the given local times in order, as a log's records are; each answer
// with the same moment a second later (a county line's next copy).
std::vector<std::string> Readings(const std::vector<const char*>& dateTimes) {
  std::vector<std::string> out;
  for (const char* dateTime : dateTimes) {
    std::tm tm = InitialQsoTime();
    const std::string text(dateTime);
    ReadQsoDate(text.substr(0, 8), tm);
    ReadQsoTime(text.substr(9), 6, tm);
    const std::int64_t seconds = MakeStartTime(tm);
    out.push_back(Shown(seconds) + ", " + Shown(seconds + 1).substr(9));
  }
  return out;
}

#ifndef _WIN32

struct RuleCase {
  const char* zone;
  std::vector<const char*> read;  // QSO_DATE TIME_ON, in order
  const char* last;               // the last one's start, and one second later
};

TEST(LocalTimeRule, ReadsSkippedAndRepeatedTimesAsLinuxDoes) {
  const RuleCase cases[] = {
      // Skipped where daylight saving starts: read with the offset before.
      {"America/New_York", {"20240301 120000", "20240310 023000"}, "20240310 033000, 033001"},
      // Winter marked as daylight saving: read with the offset after.
      {"Europe/Dublin", {"20050320 120000", "20050327 015959"}, "20050327 005959, 020000"},
      {"Africa/Casablanca", {"20270301 120000", "20270314 023000"}, "20270314 013000, 013001"},
      // Half an hour; a quarter of an hour, onto a 45-minute offset.
      {"Australia/Lord_Howe", {"20241001 120000", "20241006 021500"}, "20241006 024500, 024501"},
      {"Asia/Kathmandu", {"19851201 120000", "19860101 000700"}, "19860101 002200, 002201"},
      // A change of standard offset: the side the log comes from decides.
      {"Europe/Moscow", {"20110320 120000", "20110327 023000"}, "20110327 033000, 033001"},
      {"Europe/Moscow", {"20110401 120000", "20110327 023000"}, "20110327 013000, 013001"},
      // Repeated: either pass shows the same local time.
      {"America/New_York", {"20240701 120000", "20241103 013000"}, "20241103 013000, 013001"},
  };
  for (const RuleCase& c : cases) {
    testing::ZoneGuard guard(c.zone);
    const std::vector<std::string> got = Readings(c.read);
    EXPECT_EQ(got.back(), c.last) << c.zone << " " << c.read.back();
  }
}

// A repeated reading's moment tells its pass: first pass in summer time.
TEST(LocalTimeRule, TheRepeatedHourFollowsTheSideTheLogComesFrom) {
  testing::ZoneGuard guard("America/New_York");
  std::tm summer = testing::LocalTm(2024, 7, 1, 12, 0, 0);
  MakeStartTime(summer);
  std::tm first = testing::LocalTm(2024, 11, 3, 1, 30, 0);
  EXPECT_EQ(MakeStartTime(first), 1730611800);  // 05:30 UTC, EDT
  std::tm winter = testing::LocalTm(2024, 12, 1, 12, 0, 0);
  MakeStartTime(winter);
  std::tm second = testing::LocalTm(2024, 11, 3, 1, 30, 0);
  EXPECT_EQ(MakeStartTime(second), 1730615400);  // 06:30 UTC, EST
}

// The zone as the C library sees it, marks included.
class MachineZone final : public ZoneRegimes {
 public:
  bool OffsetAt(std::int64_t moment, std::int64_t& offset) const override {
    std::tm tm{};
    if (!PlatformLocalTime(moment, tm)) return false;
    offset = SecondsAsUtc(tm) - moment;
    return true;
  }
  void MarkSkip(std::int64_t before, ZoneRegime& earlier, std::int64_t after,
                ZoneRegime& later) const override {
    std::tm tm{};
    earlier.daylight = PlatformLocalTime(before, tm) && tm.tm_isdst > 0;
    later.daylight = PlatformLocalTime(after, tm) && tm.tm_isdst > 0;
  }
};

TEST(LocalTimeRule, IsTheCLibrarysReadingAroundEveryChangeoverOfEveryZone) {
  const std::vector<std::string> zones = testing::MachineZones();
  if (zones.empty()) GTEST_SKIP() << "the machine has no tzdata.zi";
  long readings = 0;
  int mismatches = 0;
  for (const std::string& zone : zones) {
    testing::ZoneGuard guard(zone.c_str());
    for (const testing::Changeover& changeover :
         testing::OffsetChangeovers(testing::kFirstMoment, testing::kLastMoment)) {
      std::int64_t lastOffset = 0;
      for (const std::int64_t local : testing::LocalTimesAround(changeover)) {
        std::tm tm{};
        BreakDownSeconds(local, tm);
        std::int64_t expected = 0, got = 0;
        const bool expectedOk = PlatformMakeLocalTime(tm, expected);
        const bool gotOk = ReadLocalTime(local, MachineZone(), lastOffset, got);
        ++readings;
        if ((expectedOk != gotOk || expected != got) && ++mismatches <= 10) {
          ADD_FAILURE() << zone << " local " << local << ": rule " << (gotOk ? got : -1)
                        << ", C library " << (expectedOk ? expected : -1);
        }
      }
    }
  }
  EXPECT_GT(readings, 100000);
}

#else

// msvcrt knows TZ's rules only (US rules for EST5EDT), and no memory.
TEST(LocalTimeRule, WindowsReadsARepeatedTimeAsStandardAndASkippedOneAnHourEarlier) {
  const std::vector<std::string> got =
      Readings({"20240701 120000", "20241103 013000", "20241201 120000", "20241103 013000",
                "20240301 120000", "20240310 023000"});
  EXPECT_EQ(got[1], "20241103 013000, 013001");
  EXPECT_EQ(got[3], "20241103 013000, 013001");
  EXPECT_EQ(got[5], "20240310 013000, 013001");
  std::tm repeated = testing::LocalTm(2024, 11, 3, 1, 30, 0);
  EXPECT_EQ(MakeStartTime(repeated), 1730615400);  // 06:30 UTC, EST
  std::tm skipped = testing::LocalTm(2024, 3, 10, 2, 30, 0);
  EXPECT_EQ(MakeStartTime(skipped), 1710052200);  // 06:30 UTC, 01:30 EST
}

#endif

}  // namespace
}  // namespace quorvel
