// The dates and times of a generated log: contests on weekends, a QSO every
// few seconds to minutes, a pause now and then, and weeks between contests.
#pragma once

#include <cstdint>
#include <string>

namespace quorvel::bench {

struct LogTime {
  std::string date;  // YYYYMMDD
  std::string time;  // HHMMSS
};

class LogClock {
 public:
  // edgeTimes: every fourth contest runs through a night on which daylight
  // saving time begins or ends (US or EU rules), skipped and repeated hours
  // included.
  explicit LogClock(bool edgeTimes) : edgeTimes_(edgeTimes) { StartContest(0); }

  // The time of the next QSO; random is a fresh random number.
  LogTime Next(std::uint64_t random);

 private:
  void StartContest(std::uint64_t random);

  bool edgeTimes_;
  long long contests_ = 0;
  long long now_ = 0;  // wall-clock seconds since 1970-01-01, no zone involved
  long long end_ = 0;
};

}  // namespace quorvel::bench
