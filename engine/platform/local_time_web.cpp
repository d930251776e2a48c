// Local time in the browser, on JavaScript's Date: the user's own zone, as the
// desktop programs use the machine's. Emscripten's time_t is 32 bits and ends
// in 2038; Date covers the whole range of QSO dates.
//
// Date gives a moment's local fields and offset; the way back is the rule of
// local_time.h over those offsets. The browser does not say which regime the
// tz database marks as daylight saving: BrowserZone::MarkSkip supplies it.
#include <emscripten.h>

#include <algorithm>
#include <cstring>

#include "engine/civil_time.h"
#include "engine/platform/local_time.h"

namespace quorvel {

namespace {

enum Field { kSec, kMin, kHour, kMday, kMon, kYear, kWday, kYday, kIsdst, kOffset, kFieldCount };

// clang-format off
// The local fields of a moment, and its offset (local minus UTC seconds);
// 0 outside Date's range. The daylight-saving flag is a label (the engine
// compares it, never shows it): the usual reading, where the offset is above
// the lower of those on the year's 1 January and 1 July.
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
  const minutesBehind = Math.max(...[0, 6].map(m => {
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
  HEAP32[at + 8] = moment.getTimezoneOffset() < minutesBehind ? 1 : 0;
  HEAP32[at + 9] = utcOf(y, mo, d, h, mi, s) - seconds;
  return 1;
});

// The offset of a moment (local minus UTC seconds); NaN outside Date's range.
EM_JS(double, QuorvelOffset, (double seconds), {
  const moment = new Date(seconds * 1000);
  const local = new Date(0);
  local.setUTCFullYear(moment.getFullYear(), moment.getMonth(), moment.getDate());
  local.setUTCHours(moment.getHours(), moment.getMinutes(), moment.getSeconds(), 0);
  return local.getTime() / 1000 - seconds;
});

// The name of the browser's zone ("Europe/Dublin"), cut to size bytes.
EM_JS(void, QuorvelZoneName, (char* name, int size), {
  stringToUTF8(Intl.DateTimeFormat().resolvedOptions().timeZone || "", name, size);
});
// clang-format on

// Moments that a double holds exactly, and that Date can hold: its range is
// 10^8 days either side of 1970.
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

// The zones and times for which the tz database marks as daylight saving the
// regime below the one it states as standard time: mostly winter (or
// Ramadan) where the summer offset is the legal one.
struct WinterMarked {
  const char* zone;
  std::int64_t from;   // UTC seconds, the first changeover under that rule
  std::int64_t until;  // UTC seconds, after the last
  std::int64_t standardOffset;
};
constexpr std::int64_t kOneHour = 3600;
constexpr std::int64_t kOneDay = 86400;
constexpr std::int64_t kNoEnd = kDateLimit;
constexpr WinterMarked kWinterMarked[] = {
    // Irish Standard Time is the legal time since the Standard Time Act 1968;
    // the tz database follows it from the return to GMT on 31 October 1971.
    {"Europe/Dublin", 57722400, kNoEnd, 1 * kOneHour},
    // Namibia's winter time, 1994 to the law of 2017 that ended it.
    {"Africa/Windhoek", 764200800, 1508796000, 2 * kOneHour},
    // Morocco keeps +01 since 28 October 2018 and goes back an hour in Ramadan.
    {"Africa/Casablanca", 1540692000, kNoEnd, 1 * kOneHour},
    {"Africa/El_Aaiun", 1540692000, kNoEnd, 1 * kOneHour},
    // 30 October 1983: Nome left Bering daylight time for Yukon standard
    // time, an hour ahead, so the skipped hour leaves daylight saving.
    {"America/Nome", 436363200, 436363200 + kOneDay, -9 * kOneHour},
};

// Longer than any zone name in the tz database.
constexpr int kZoneNameSize = 64;

class BrowserZone final : public ZoneRegimes {
 public:
  bool OffsetAt(std::int64_t moment, std::int64_t& offset) const override {
    if (moment < -kDateLimit || moment > kDateLimit) return false;
    const double value = QuorvelOffset(static_cast<double>(moment));
    if (!(value == value)) return false;  // NaN
    offset = static_cast<std::int64_t>(value);
    return true;
  }
  // A skip starts daylight saving, but where the table marks winter.
  void MarkSkip(std::int64_t, ZoneRegime& earlier, std::int64_t after,
                ZoneRegime& later) const override {
    char zone[kZoneNameSize] = {};
    QuorvelZoneName(zone, kZoneNameSize);
    for (const WinterMarked& row : kWinterMarked) {
      if (after >= row.from && after < row.until && std::strcmp(zone, row.zone) == 0) {
        earlier.daylight = earlier.offset < row.standardOffset;
        later.daylight = later.offset < row.standardOffset;
        return;
      }
    }
    earlier.daylight = false;
    later.daylight = true;
  }
};

}  // namespace

bool PlatformMakeLocalTime(std::tm& tm, std::int64_t& seconds, std::int64_t& lastOffset) {
  // Seconds out of range are added after the reading, which has 60 a minute.
  const int secRequested = tm.tm_sec;
  std::tm fields = tm;
  fields.tm_sec = std::clamp(secRequested, 0, 59);
  const std::int64_t local = SecondsAsUtc(fields);
  if (local < -kDateLimit || local > kDateLimit) return false;
  std::int64_t moment = 0;
  if (!ReadLocalTime(local, BrowserZone(), lastOffset, moment)) return false;
  moment += secRequested - fields.tm_sec;
  std::int64_t offset = 0;
  if (!ReadLocal(moment, tm, offset)) return false;
  seconds = moment;
  return true;
}

bool PlatformLocalTime(std::int64_t seconds, std::tm& tm) {
  std::int64_t offset = 0;
  return ReadLocal(seconds, tm, offset);
}

}  // namespace quorvel
