#include <time.h>

#include "engine/civil_time.h"
#include "engine/platform/local_time.h"

namespace quorvel {

bool PlatformMakeLocalTime(std::tm& tm, std::int64_t& seconds, std::int64_t& lastOffset) {
  const std::int64_t local = SecondsAsUtc(tm);
  tm.tm_isdst = -1;
  // _mktime64 covers 1970 to 3000 UTC, so -1 always means failure here.
  const __time64_t result = _mktime64(&tm);
  if (result == -1) return false;
  seconds = static_cast<std::int64_t>(result);
  lastOffset = local - seconds;
  return true;
}

bool PlatformLocalTime(std::int64_t seconds, std::tm& tm) {
  const __time64_t value = static_cast<__time64_t>(seconds);
  return _localtime64_s(&tm, &value) == 0;
}

}  // namespace quorvel
