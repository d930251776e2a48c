#include "tests/zone_changeovers.h"

#include <algorithm>
#include <fstream>

#include "engine/civil_time.h"

namespace quorvel::testing {

namespace {

// Closer than any two changeovers of one zone.
constexpr std::int64_t kStep = 2 * 86400;

bool RegimeAt(std::int64_t moment, ZoneRegime& regime) {
  std::tm tm{};
  if (!PlatformLocalTime(moment, tm)) return false;
  regime.offset = SecondsAsUtc(tm) - moment;
  regime.daylight = tm.tm_isdst > 0;
  return true;
}

}  // namespace

std::vector<std::string> MachineZones() {
  std::vector<std::string> zones;
  std::ifstream in("/usr/share/zoneinfo/tzdata.zi");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("Z ", 0) != 0) continue;
    const std::size_t end = line.find(' ', 2);
    zones.push_back(line.substr(2, end == std::string::npos ? end : end - 2));
  }
  return zones;
}

std::vector<Changeover> OffsetChangeovers(std::int64_t from, std::int64_t to) {
  std::vector<Changeover> found;
  ZoneRegime last;
  if (!RegimeAt(from, last)) return found;
  for (std::int64_t t = from + kStep; t <= to; t += kStep) {
    ZoneRegime now;
    if (!RegimeAt(t, now)) break;
    if (now.offset != last.offset) {
      std::int64_t before = t - kStep;
      std::int64_t after = t;
      while (after - before > 1) {
        const std::int64_t middle = before + (after - before) / 2;
        ZoneRegime probe;
        RegimeAt(middle, probe);
        (probe.offset == last.offset ? before : after) = middle;
      }
      Changeover changeover;
      changeover.moment = after;
      RegimeAt(before, changeover.before);
      RegimeAt(after, changeover.after);
      found.push_back(changeover);
    }
    last = now;
  }
  return found;
}

std::vector<std::int64_t> LocalTimesAround(const Changeover& changeover) {
  const std::int64_t low =
      changeover.moment + std::min(changeover.before.offset, changeover.after.offset);
  const std::int64_t high =
      changeover.moment + std::max(changeover.before.offset, changeover.after.offset);
  const std::vector<std::int64_t> edges = {
      low - 3600, low - 1, low,      low + 1,    low + (high - low) / 2,
      high - 1,   high,    high + 1, high + 3600};
  std::vector<std::int64_t> times = {changeover.moment + changeover.before.offset - 3 * 86400};
  times.insert(times.end(), edges.begin(), edges.end());
  times.insert(times.end(), edges.rbegin(), edges.rend());
  return times;
}

}  // namespace quorvel::testing
