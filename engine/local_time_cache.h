// The platform's local-time conversions, answered from what earlier calls
// showed wherever the answer is certain to be the same. A log has a QSO every
// minute or so, and each one costs a mktime and a localtime per copy; glibc's
// mktime even looks at the zone file on disk each time when TZ is unset.
//
// The cache keeps spans of UTC seconds over which localtime was seen to give
// one UTC offset and daylight-saving flag, probed at most kStep apart, with
// the changeovers between adjacent spans found to the second. Inside a span,
// localtime is plain arithmetic. A local time is turned back without mktime
// only when the spans around it leave exactly one reading of it (not in a
// skipped or repeated hour) and when mktime's own memory of the last offset
// (glibc starts its search there, which decides repeated hours) is that
// reading's offset already.
//
// Most calls fall in the local day of the call before: each kind of call
// remembers that day as a range of UTC seconds inside one span, where the
// answer is the day's fields with the time of day put in. For mktime the day
// counts only when one span holds all of it and kReach either side, so that
// each of its times has exactly one reading, and only while mktime's memory
// is that span's offset.
//
// This relies on two properties of every zone in the tz database: its offset
// changes at most once in any kStep (its closest changes are four days
// apart), and its offsets differ by less than kReach (Apia's, the widest, by
// 25 hours 30 minutes).
#pragma once

#include <cstdint>
#include <ctime>
#include <vector>

namespace quorvel {

class LocalTimeCache {
 public:
  // As PlatformMakeLocalTime, but tm is left as it was when it fails.
  bool MakeLocalTime(std::tm& tm, std::int64_t& seconds);
  // As PlatformLocalTime.
  bool LocalTime(std::int64_t seconds, std::tm& tm);
  // LocalTime's answer in short, when seconds lies in the local day of the
  // last one (within its span): that day's date fields (the time of day
  // aside) and the seconds since its midnight, 0..86399. False otherwise.
  bool InShownDay(std::int64_t seconds, const std::tm*& date, int& ofDay) const;

  static constexpr std::int64_t kStep = 2 * 86400;
  static constexpr std::int64_t kReach = 2 * 86400;

 private:
  struct Span {
    std::int64_t first = 0;  // UTC seconds, both ends included
    std::int64_t last = 0;
    std::int64_t offset = 0;  // local minus UTC seconds
    std::tm pattern{};        // what localtime gave in the span (flag, zone)
  };

  // A local day: the moments first..last read its date, midnight + n reads
  // n seconds past 00:00:00.
  struct Day {
    std::int64_t first = 1;  // empty until found
    std::int64_t last = 0;
    std::int64_t midnight = 0;  // UTC seconds
    std::int64_t offset = 0;
    std::tm date{};  // Derive's answer in the day; its time of day unused
  };

  bool Probe(std::int64_t seconds, Span& span) const;
  bool FindChangeover(const Span& earlier, const Span& later, std::int64_t& before,
                      std::int64_t& after) const;
  void Seed(std::int64_t seconds, const std::tm& tm);
  bool Cover(std::int64_t from, std::int64_t to);
  bool Step(bool forward);
  const Span* SpanOf(std::int64_t seconds) const;
  static void Derive(std::int64_t seconds, const Span& span, std::tm& tm);
  static void DayOf(std::int64_t seconds, const Span& span, Day& day);
  static void TimeOfDay(const Day& day, std::int64_t seconds, std::tm& tm);
  void FindMadeDay(std::int64_t seconds);

  std::vector<Span> spans_;  // adjacent, in time order
  bool knowMakeOffset_ = false;
  std::int64_t makeOffset_ = 0;  // the offset the last real reading used (local_time.h)
  Day shownDay_;                 // of the last LocalTime, within its span
  Day madeDay_;                  // of the last MakeLocalTime, whole, or empty
};

inline bool LocalTimeCache::InShownDay(std::int64_t seconds, const std::tm*& date,
                                       int& ofDay) const {
  if (seconds < shownDay_.first || seconds > shownDay_.last) return false;
  date = &shownDay_.date;
  ofDay = static_cast<int>(seconds - shownDay_.midnight);
  return true;
}

}  // namespace quorvel
