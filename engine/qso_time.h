// A QSO's date and time: read from QSO_DATE and TIME_ON into a broken-down
// local time, turned into a start time, and turned back for output.
#pragma once

#include <cstdint>
#include <ctime>
#include <string_view>

namespace quorvel {

class LocalTimeCache;

// The broken-down time a run starts with, before any date or time was read:
// 1 January 1970, 00:00:00 local time.
std::tm InitialQsoTime();

// "%04d%02d%02d": the numbers that can be read replace year (less 1900),
// month (less 1) and day; the parts that cannot be read keep their values.
void ReadQsoDate(std::string_view value, std::tm& time);

// Declared length 4: "%02d%02d" with seconds 0; 6: "%02d%02d%02d". False for
// any other declared length, and the time is left as it was.
bool ReadQsoTime(std::string_view value, long long declaredLength, std::tm& time);

// Reads time as local time with daylight saving left to the local rules,
// normalises it in place (30 February becomes 1 March) and returns the
// seconds since 1970-01-01 00:00:00 UTC. Where the platform cannot represent
// the time (before 1970 on some systems), the fields are read as UTC instead,
// so every record still gets a definite time.
std::int64_t MakeStartTime(std::tm& time);
// The same, with the platform's answers reused where they are certain to be
// the same (local_time_cache.h).
std::int64_t MakeStartTime(std::tm& time, LocalTimeCache& cache);

// Local date "%Y%m%d" and time "%H%M%S" of a start time.
struct QsoDateTime {
  char date[16];  // at least 8 digits; more only for years past 9999
  char time[8];
  std::size_t dateLength;
};
QsoDateTime FormatStartTime(std::int64_t seconds);
QsoDateTime FormatStartTime(std::int64_t seconds, LocalTimeCache& cache);

}  // namespace quorvel
