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
  // As PlatformMakeLocalTime.
  bool MakeLocalTime(std::tm& tm, std::int64_t& seconds);
  // As PlatformLocalTime.
  bool LocalTime(std::int64_t seconds, std::tm& tm);

  static constexpr std::int64_t kStep = 2 * 86400;
  static constexpr std::int64_t kReach = 2 * 86400;

 private:
  struct Span {
    std::int64_t first = 0;  // UTC seconds, both ends included
    std::int64_t last = 0;
    std::int64_t offset = 0;  // local minus UTC seconds
    std::tm pattern{};        // what localtime gave in the span (flag, zone)
  };

  bool Probe(std::int64_t seconds, Span& span) const;
  bool FindChangeover(const Span& earlier, const Span& later, std::int64_t& before,
                      std::int64_t& after) const;
  void Seed(std::int64_t seconds, const std::tm& tm);
  bool Cover(std::int64_t from, std::int64_t to);
  bool Step(bool forward);
  const Span* SpanOf(std::int64_t seconds) const;
  static void Derive(std::int64_t seconds, const Span& span, std::tm& tm);

  std::vector<Span> spans_;  // adjacent, in time order
  bool knowMakeOffset_ = false;
  std::int64_t makeOffset_ = 0;  // the offset the last real reading used (local_time.h)
};

}  // namespace quorvel
