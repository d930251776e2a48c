// Prints, for every zone of the machine's tz database, the local times around
// each changeover from 1970 to 2037 and this platform's reading of each, in
// the order read. A browser-side check (web_zone_check.cpp) reads them back.
//
// Z zone
// C moment offset-before offset-after marked-before marked-after
// Q local seconds        (seconds "x" where the platform has no reading)
//
// A marked regime is one the tz database marks as daylight saving (1, else 0).
#include <cinttypes>
#include <cstdio>

#include "engine/civil_time.h"
#include "tests/time_zone.h"
#include "tests/zone_changeovers.h"

int main() {
  using namespace quorvel;
  for (const std::string& zone : testing::MachineZones()) {
    testing::SetTimeZone(zone.c_str());
    std::printf("Z %s\n", zone.c_str());
    for (const testing::Changeover& c :
         testing::OffsetChangeovers(testing::kFirstMoment, testing::kLastMoment)) {
      std::printf("C %" PRId64 " %" PRId64 " %" PRId64 " %d %d\n", c.moment, c.before.offset,
                  c.after.offset, c.before.daylight ? 1 : 0, c.after.daylight ? 1 : 0);
      for (const std::int64_t local : testing::LocalTimesAround(c)) {
        std::tm tm{};
        BreakDownSeconds(local, tm);
        std::int64_t seconds = 0;
        if (PlatformMakeLocalTime(tm, seconds)) {
          std::printf("Q %" PRId64 " %" PRId64 "\n", local, seconds);
        } else {
          std::printf("Q %" PRId64 " x\n", local);
        }
      }
    }
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
