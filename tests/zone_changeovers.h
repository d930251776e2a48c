// The changeovers of the machine's zones and the local times around them, for
// the tests that hold a local-time layer to the C library's answers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/platform/local_time.h"

namespace quorvel::testing {

// The zones of the machine's tz database (its tzdata.zi); empty where it has none.
std::vector<std::string> MachineZones();

struct Changeover {
  std::int64_t moment = 0;  // UTC seconds, the first of the regime after
  ZoneRegime before;
  ZoneRegime after;
};

// The changeovers of the offset in TZ between from and to (UTC seconds), as
// localtime sees them.
std::vector<Changeover> OffsetChangeovers(std::int64_t from, std::int64_t to);

// Local times (fields read as UTC) in the order a test reads them: first one
// three days before, in the regime before; then the skipped or repeated
// time's edges, a second either side of each, its middle and an hour either
// side, forwards and then backwards.
std::vector<std::int64_t> LocalTimesAround(const Changeover& changeover);

// 1970 to 2037.
inline constexpr std::int64_t kFirstMoment = 0;
inline constexpr std::int64_t kLastMoment = 2145916800;

}  // namespace quorvel::testing
