// Local time in the browser, on JavaScript's Date: the user's own zone, as the
// desktop programs use the machine's. Emscripten's time_t is 32 bits and ends
// in 2038; Date covers the whole range of QSO dates.
//
// Date turns a moment into local fields; the way back is glibc's mktime
// search on top of that, with its memory of the last offset, so that repeated
// and skipped hours come out as they do in the native Linux programs (and as
// the local-time cache, which mirrors that memory, expects).
#include <emscripten.h>

#include <algorithm>

#include "engine/platform/local_time.h"

namespace quorvel {

namespace {

enum Field { kSec, kMin, kHour, kMday, kMon, kYear, kWday, kYday, kIsdst, kOffset, kFieldCount };

// clang-format off
// The local fields of a moment, and its offset (local minus UTC seconds);
// 0 outside Date's range.
EM_JS(int, QuorvelLocalFields, (double seconds, int* fields), {
  const utcOf = (y, mo, d, h, mi, s) => {
    const day = new Date(0);
    day.setUTCFullYear(y, mo, d);
    day.setUTCHours(h, mi, s, 0);
    return day.getTime() / 1000;
  };
  const moment = new Date(seconds * 1000);
  if (!isFinite(moment.getTime())) return 0;
  const y = moment.getFullYear();
  const mo = moment.getMonth();
  const d = moment.getDate();
  const h = moment.getHours();
  const mi = moment.getMinutes();
  const s = moment.getSeconds();
  const local = utcOf(y, mo, d, h, mi, s);
  const standardOffset = Math.max(...[0, 6].map(m => {
    const probe = new Date(moment.getTime());
    probe.setFullYear(y, m, 1);
    return probe.getTimezoneOffset();
  }));
  const at = fields >> 2;
  HEAP32[at + 0] = s;
  HEAP32[at + 1] = mi;
  HEAP32[at + 2] = h;
  HEAP32[at + 3] = d;
  HEAP32[at + 4] = mo;
  HEAP32[at + 5] = y - 1900;
  HEAP32[at + 6] = moment.getDay();
  HEAP32[at + 7] = Math.round((utcOf(y, mo, d, 0, 0, 0) - utcOf(y, 0, 1, 0, 0, 0)) / 86400);
  HEAP32[at + 8] = moment.getTimezoneOffset() < standardOffset ? 1 : 0;
  HEAP32[at + 9] = local - seconds;
  return 1;
});

// The fields read as UTC, carried over as mktime does; NaN outside Date's range.
EM_JS(double, QuorvelFieldsAsUtc, (int year, int mon, int mday, int hour, int min, int sec), {
  const day = new Date(0);
  day.setUTCFullYear(year + 1900, mon, mday);
  day.setUTCHours(hour, min, sec, 0);
  return day.getTime() / 1000;
});
// clang-format on

// Moments that a double holds exactly, and that Date can hold.
constexpr std::int64_t kDateLimit = 8640000000000;

bool ReadLocal(std::int64_t seconds, std::tm& tm, std::int64_t& offset) {
  if (seconds < -kDateLimit || seconds > kDateLimit) return false;
  int fields[kFieldCount] = {};
  if (QuorvelLocalFields(static_cast<double>(seconds), fields) == 0) return false;
  tm = std::tm{};
  tm.tm_sec = fields[kSec];
  tm.tm_min = fields[kMin];
  tm.tm_hour = fields[kHour];
  tm.tm_mday = fields[kMday];
  tm.tm_mon = fields[kMon];
  tm.tm_year = fields[kYear];
  tm.tm_wday = fields[kWday];
  tm.tm_yday = fields[kYday];
  tm.tm_isdst = fields[kIsdst];
  offset = fields[kOffset];
  return true;
}

bool IsdstDiffers(int wanted, int got) { return wanted >= 0 && (wanted != 0) != (got != 0); }

// UTC minus local seconds of the last result: where the next search starts.
std::int64_t lastGap = 0;

// A moment near found whose daylight-saving flag is the wanted one, moved back
// to the wanted local time; as glibc, which looks up to eight years each way.
bool FindWithIsdst(std::int64_t local, int isdst, std::int64_t& t, std::tm& found) {
  constexpr std::int64_t kStride = 601200;
  constexpr std::int64_t kBound = 536454000 / 2 + kStride;
  for (std::int64_t delta = kStride; delta < kBound; delta += kStride) {
    for (const int direction : {-1, 1}) {
      std::tm other{};
      std::int64_t offset = 0;
      if (!ReadLocal(t + delta * direction, other, offset)) return false;
      if (IsdstDiffers(isdst, other.tm_isdst)) continue;
      const std::int64_t moved = local - offset;
      std::int64_t movedOffset = 0;
      if (!ReadLocal(moved, found, movedOffset)) return false;
      t = moved;
      return true;
    }
  }
  return true;  // none: the match stands
}

}  // namespace

bool PlatformMakeLocalTime(std::tm& tm, std::int64_t& seconds) {
  // Out-of-range seconds are added after the search, which assumes 60 a minute.
  const int secRequested = tm.tm_sec;
  const int sec = std::clamp(secRequested, 0, 59);
  const double localValue =
      QuorvelFieldsAsUtc(tm.tm_year, tm.tm_mon, tm.tm_mday, tm.tm_hour, tm.tm_min, sec);
  if (!(localValue >= -kDateLimit && localValue <= kDateLimit)) return false;
  const auto local = static_cast<std::int64_t>(localValue);

  const std::int64_t t0 = local + lastGap;
  std::int64_t t = t0, t1 = t0, t2 = t0;
  std::tm found{};
  std::int64_t offset = 0;
  bool oscillating = false;
  for (int probes = 6;; --probes) {
    if (!ReadLocal(t, found, offset)) return false;
    const std::int64_t error = local - (t + offset);
    if (error == 0) break;
    // Between two values for ever: a time in a skipped hour. Take the one
    // glibc takes, a gap away: in daylight-saving time when no flag was asked
    // for, else the one whose flag differs from the asked one.
    if (t == t1 && t != t2 &&
        (tm.tm_isdst < 0 ? found.tm_isdst != 0 : (tm.tm_isdst != 0) != (found.tm_isdst != 0))) {
      oscillating = true;
      break;
    }
    if (probes == 1) return false;
    t1 = t2;
    t2 = t;
    t += error;
  }
  if (!oscillating && IsdstDiffers(tm.tm_isdst, found.tm_isdst) &&
      !FindWithIsdst(local, tm.tm_isdst, t, found)) {
    return false;
  }
  lastGap = t - local;

  if (secRequested != found.tm_sec) {
    t += (sec == 0 && found.tm_sec == 60 ? 1 : 0) - sec + secRequested;
    if (!ReadLocal(t, found, offset)) return false;
  }
  tm = found;
  seconds = t;
  return true;
}

bool PlatformLocalTime(std::int64_t seconds, std::tm& tm) {
  std::int64_t offset = 0;
  return ReadLocal(seconds, tm, offset);
}

}  // namespace quorvel
