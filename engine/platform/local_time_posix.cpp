#include <time.h>

#include "engine/civil_time.h"
#include "engine/platform/local_time.h"

namespace quorvel {

static_assert(sizeof(time_t) >= 8, "a 64-bit time_t is needed for QSO times");

namespace {

bool SameMoment(const std::tm& a, const std::tm& b) {
  return a.tm_year == b.tm_year && a.tm_mon == b.tm_mon && a.tm_mday == b.tm_mday &&
         a.tm_hour == b.tm_hour && a.tm_min == b.tm_min && a.tm_sec == b.tm_sec;
}

}  // namespace

// glibc keeps the previous reading's offset itself; lastOffset only follows it.
bool PlatformMakeLocalTime(std::tm& tm, std::int64_t& seconds, std::int64_t& lastOffset) {
  const std::int64_t local = SecondsAsUtc(tm);
  tm.tm_isdst = -1;
  const time_t result = ::mktime(&tm);
  if (result == static_cast<time_t>(-1)) {
    // -1 is also one second before the epoch; only a matching tm says so.
    std::tm check{};
    if (::localtime_r(&result, &check) == nullptr || !SameMoment(check, tm)) return false;
  }
  seconds = static_cast<std::int64_t>(result);
  lastOffset = local - seconds;
  return true;
}

bool PlatformLocalTime(std::int64_t seconds, std::tm& tm) {
  const time_t value = static_cast<time_t>(seconds);
  return ::localtime_r(&value, &tm) != nullptr;
}

}  // namespace quorvel
