// Built with em++ and run under Node: reads the native readings that
// zone_answers_main.cpp printed and holds the browser's local-time layer to
// them, zone by zone (Node follows a change of process.env.TZ).
//
// Skipped, and counted: zones that Intl does not know (under any name), changeovers on which
// the browser's data and the machine's differ, and the backward pass over a
// change of standard offset that skips local times, the one case the browser
// cannot tell from daylight saving (local_time.h).
#include <emscripten.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/civil_time.h"
#include "engine/local_time_cache.h"
#include "engine/platform/local_time.h"
#include "engine/qso_time.h"

namespace {

// clang-format off
// Makes zone the process's own; 0 where Intl does not know it (by this name
// or as an alias of another).
EM_JS(int, QuorvelUseZone, (const char* zone), {
  const name = UTF8ToString(zone);
  let known;
  try {
    known = new Intl.DateTimeFormat("en", { timeZone: name }).resolvedOptions().timeZone;
  } catch (e) {
    return 0;
  }
  process.env.TZ = name;
  return Intl.DateTimeFormat().resolvedOptions().timeZone === known ? 1 : 0;
});
// clang-format on

std::int64_t OffsetAt(std::int64_t moment) {
  std::tm tm{};
  if (!quorvel::PlatformLocalTime(moment, tm)) return INT64_MIN;
  return quorvel::SecondsAsUtc(tm) - moment;
}

std::string Shown(std::int64_t seconds, quorvel::LocalTimeCache& clock) {
  const quorvel::QsoDateTime t = quorvel::FormatStartTime(seconds, clock);
  return std::string(t.date, t.dateLength) + " " + t.time;
}

// The page's own path (the run's clock) on the skipped hours that went wrong
// in the browser: the start, and a county line's copy a second later, as
// Linux writes them.
int NamedCases() {
  struct Case {
    const char* zone;
    const char* date;
    const char* time;
    const char* expected;
  };
  const Case cases[] = {
      {"Europe/Dublin", "20050327", "015959", "20050327 005959, 20050327 020000"},
      {"Africa/Casablanca", "20270314", "023000", "20270314 013000, 20270314 013001"},
  };
  int failed = 0;
  for (const Case& c : cases) {
    if (QuorvelUseZone(c.zone) == 0) {
      std::printf("MISSING %s: Intl does not know it\n", c.zone);
      ++failed;
      continue;
    }
    quorvel::LocalTimeCache clock;
    std::tm tm = quorvel::InitialQsoTime();
    quorvel::ReadQsoDate("20050301", tm);  // a record from before, in winter
    quorvel::ReadQsoTime("120000", 6, tm);
    quorvel::MakeStartTime(tm, clock);
    quorvel::ReadQsoDate(c.date, tm);
    quorvel::ReadQsoTime(c.time, 6, tm);
    const std::int64_t start = quorvel::MakeStartTime(tm, clock);
    const std::string got = Shown(start, clock) + ", " + Shown(start + 1, clock);
    if (got != c.expected) {
      std::printf("MISMATCH %s %s %s: browser %s, Linux %s\n", c.zone, c.date, c.time, got.c_str(),
                  c.expected);
      ++failed;
    }
  }
  return failed;
}

struct Counts {
  long zones = 0, unknownZones = 0, changeovers = 0, otherData = 0;
  long readings = 0, standardSkips = 0, mismatches = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::FILE* in = std::fopen(argv[1], "r");
  if (in == nullptr) return 2;
  Counts n;
  n.mismatches = NamedCases();
  bool zoneUsable = false, blockUsable = false, standardSkip = false;
  int query = 0;
  std::int64_t lastOffset = 0;
  char line[256];
  char zone[128] = "";
  while (std::fgets(line, sizeof line, in) != nullptr) {
    if (line[0] == 'Z') {
      std::sscanf(line, "Z %127s", zone);
      zoneUsable = QuorvelUseZone(zone) != 0;
      ++(zoneUsable ? n.zones : n.unknownZones);
      blockUsable = false;
    } else if (line[0] == 'C' && zoneUsable) {
      std::int64_t moment = 0, before = 0, after = 0;
      int markedBefore = 0, markedAfter = 0;
      std::sscanf(line, "C %" SCNd64 " %" SCNd64 " %" SCNd64 " %d %d", &moment, &before, &after,
                  &markedBefore, &markedAfter);
      blockUsable = OffsetAt(moment - 1) == before && OffsetAt(moment) == after;
      ++(blockUsable ? n.changeovers : n.otherData);
      standardSkip = after > before && markedBefore == markedAfter;
      query = 0;
      lastOffset = 0;
    } else if (line[0] == 'Q' && blockUsable) {
      std::int64_t local = 0;
      char expected[32] = "";
      std::sscanf(line, "Q %" SCNd64 " %31s", &local, expected);
      // The first reading of a block sets the start; the last nine run backwards.
      const bool backwards = query++ > 9;
      std::tm tm{};
      quorvel::BreakDownSeconds(local, tm);
      std::int64_t seconds = 0;
      char got[32] = "x";
      if (quorvel::PlatformMakeLocalTime(tm, seconds, lastOffset)) {
        std::snprintf(got, sizeof got, "%" PRId64, seconds);
      }
      if (backwards && standardSkip) {
        ++n.standardSkips;
        continue;
      }
      ++n.readings;
      if (std::strcmp(got, expected) != 0 && ++n.mismatches <= 200) {
        std::printf("MISMATCH %s local %" PRId64 ": browser %s, native %s\n", zone, local, got,
                    expected);
      }
    }
  }
  std::fclose(in);
  std::printf(
      "%ld zones (%ld unknown to Intl), %ld changeovers (%ld with other data), %ld readings "
      "compared (%ld backward over a change of standard offset not), %ld differ\n",
      n.zones, n.unknownZones, n.changeovers, n.otherData, n.readings, n.standardSkips,
      n.mismatches);
  return n.mismatches == 0 && n.readings > 0 ? 0 : 1;
}
