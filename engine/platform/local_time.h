// Local calendar time with the machine's time zone and daylight-saving rules,
// on a 64-bit count of seconds since 1970-01-01 00:00:00 UTC.
//
// How a local date and time becomes a moment. A zone is a row of regimes,
// each an offset (local minus UTC) and a mark from the tz database saying
// whether it is daylight saving; a changeover goes from one regime to the
// next. The fields are read as UTC (L, seconds above 59 read as 59 and below
// 0 as 0, the difference added to the answer at the end). A moment t reads L
// when t plus the offset in force at t is L. Every reading starts from a
// guess, L read with the offset the previous reading used (0 before the
// first one), and the regime in force at the guess:
//
// - One moment reads L: that moment, whatever the guess.
// - Two moments read L (the repeated hour when clocks go back, by whatever
//   amount: an hour, half an hour, a change of standard offset): the one
//   whose offset is the one in force at the guess. A log in time order thus
//   stays on the side it came from: the first pass when it came from before
//   the changeover, the second when it came from after.
// - No moment reads L (the skipped time when clocks go forward from offset a
//   to offset b: an hour, half an hour on Lord Howe Island, a quarter of an
//   hour onto Kathmandu's 45-minute offset in 1986): the answer is one of L - a (after the
//   changeover, shown as L + (b - a)) and L - b (before it, shown as L - (b - a)). When exactly one
//   of the two regimes is marked daylight saving, the moment in that regime:
//   L - a where daylight saving starts (02:30 in New York is 03:30 EDT), L -
//   b where the zone marks winter as daylight saving, as the tz database does
//   for Europe/Dublin (01:59:59 on 27 March 2005 is 00:59:59 GMT), Africa/
//   Windhoek (1994-2017) and Africa/Casablanca and Africa/El_Aaiun (from
//   2018). When both or neither are marked (a change of standard offset), the
//   guess decides: L - a when the previous reading used a, L - b when it used
//   b, otherwise the one that the offset in force at the guess gives.
// - The reading's offset (L less the answer, so a or b in a skipped hour) is
//   the one the next reading starts from.
//
// This is how glibc's mktime reads a time with tm_isdst -1, and so the Linux
// programs; it holds because a zone's changeovers lie days apart and its
// offsets less than a day and a half. The web page follows it from the
// browser's offsets (ReadLocalTime below). The browser lacks the marks: it
// takes every skip as the start of daylight saving, except where
// local_time_web.cpp's table says otherwise (the zones named above, and
// Nome's move to Yukon time in 1983). The one place it can differ from
// Linux: a change of standard offset that skips local times, met with the
// offset after it (a log running backwards).
//
// Windows (msvcrt, as the mingw builds use) knows only the rules that TZ
// names (US rules for EST5EDT) or the system's current ones, not a zone's
// history, and keeps no memory of the previous reading. With tm_isdst -1 it
// reads (as measured under wine) a repeated time as standard time, its
// second pass (01:30 in New York on 3 November 2024 is 01:30 EST, 06:30 UTC),
// and a skipped time with the daylight-saving offset, so that it comes out an
// hour early in standard time (02:30 on 10 March 2024 is 01:30 EST).
#pragma once

#include <cstdint>
#include <ctime>

namespace quorvel {

// As mktime: reads tm as local time with daylight saving left to the zone's
// rules (tm_isdst is ignored), carries fields that are out of range over, and
// replaces tm by the normalised values. lastOffset is the offset the previous
// reading used: where the platform keeps none of its own (the browser) the
// rule starts from it; every platform sets it to this reading's. False where
// the platform cannot represent the time; tm is then unspecified.
bool PlatformMakeLocalTime(std::tm& tm, std::int64_t& seconds, std::int64_t& lastOffset);
// The same with a fresh start (lastOffset 0) where the platform keeps none.
inline bool PlatformMakeLocalTime(std::tm& tm, std::int64_t& seconds) {
  std::int64_t lastOffset = 0;
  return PlatformMakeLocalTime(tm, seconds, lastOffset);
}

// As localtime. False where the platform cannot represent the time.
bool PlatformLocalTime(std::int64_t seconds, std::tm& tm);

// One regime of a zone.
struct ZoneRegime {
  std::int64_t offset = 0;  // local minus UTC seconds
  bool daylight = false;    // the tz database's daylight-saving mark
};

// A zone as the rule above sees it: the regime in force at a moment.
class ZoneRegimes {
 public:
  // The offset in force at moment; false where it is out of the zone's range.
  virtual bool OffsetAt(std::int64_t moment, std::int64_t& offset) const = 0;
  // The marks of the regimes either side of a changeover that skips local
  // times: earlier is in force at moment before, later at moment after.
  virtual void MarkSkip(std::int64_t before, ZoneRegime& earlier, std::int64_t after,
                        ZoneRegime& later) const = 0;

 protected:
  ~ZoneRegimes() = default;
};

// The rule above: local is the fields read as UTC, seconds within 0..59.
// False where a regime is unknown or more than one changeover lies in reach.
bool ReadLocalTime(std::int64_t local, const ZoneRegimes& zone, std::int64_t& lastOffset,
                   std::int64_t& seconds);

}  // namespace quorvel
