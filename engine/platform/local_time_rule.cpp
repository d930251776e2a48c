// The reading of a local time that local_time.h describes, over any zone's
// regimes: the browser's own layer uses it, and the tests hold it to the C
// library's answers.
#include "engine/platform/local_time.h"

namespace quorvel {

namespace {

struct Probe {
  std::int64_t moment = 0;
  ZoneRegime regime;
};

// The marks are asked for only where they decide, in a skipped time.
bool ProbeAt(const ZoneRegimes& zone, std::int64_t moment, Probe& probe) {
  probe.moment = moment;
  return zone.OffsetAt(moment, probe.regime.offset);
}

// A skipped time: before is L - b in the regime before the changeover (offset
// a), after is L - a in the one after (offset b); reached is the one that the
// offset in force at the guess gave.
std::int64_t ChooseInSkippedTime(const ZoneRegimes& zone, std::int64_t local,
                                 std::int64_t lastOffset, const Probe& before, const Probe& after,
                                 std::int64_t reached) {
  ZoneRegime earlier = before.regime;
  ZoneRegime later = after.regime;
  zone.MarkSkip(before.moment, earlier, after.moment, later);
  if (earlier.daylight != later.daylight) return later.daylight ? after.moment : before.moment;
  const std::int64_t a = before.regime.offset;
  const std::int64_t b = after.regime.offset;
  return lastOffset == a || lastOffset == b ? local - lastOffset : reached;
}

}  // namespace

bool ReadLocalTime(std::int64_t local, const ZoneRegimes& zone, std::int64_t& lastOffset,
                   std::int64_t& seconds) {
  Probe guess, first, second;
  if (!ProbeAt(zone, local - lastOffset, guess)) return false;
  // The guess's offset reads local where its moment lies in the same regime.
  if (!ProbeAt(zone, local - guess.regime.offset, first)) return false;
  std::int64_t answer = first.moment;
  if (first.regime.offset != guess.regime.offset) {
    if (!ProbeAt(zone, local - first.regime.offset, second)) return false;
    if (second.regime.offset == first.regime.offset) {
      answer = second.moment;
    } else if (second.regime.offset != guess.regime.offset) {
      return false;  // a third offset: changeovers closer than the rule allows
    } else {
      // Skipped: first was read with the guess's offset, so it lies after
      // the changeover exactly when that offset is the lower one.
      const bool firstAfter = guess.regime.offset < first.regime.offset;
      answer = ChooseInSkippedTime(zone, local, lastOffset, firstAfter ? second : first,
                                   firstAfter ? first : second, first.moment);
    }
  }
  lastOffset = local - answer;
  seconds = answer;
  return true;
}

}  // namespace quorvel
