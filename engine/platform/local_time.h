// Local calendar time with the machine's time zone and daylight-saving rules,
// on a 64-bit count of seconds since 1970-01-01 00:00:00 UTC.
#pragma once

#include <cstdint>
#include <ctime>

namespace quorvel {

// As mktime: reads tm as local time (tm_isdst as given), carries fields that
// are out of range over, and replaces tm by the normalised values. False where
// the platform cannot represent the time; tm is then unspecified.
bool PlatformMakeLocalTime(std::tm& tm, std::int64_t& seconds);

// As localtime. False where the platform cannot represent the time.
bool PlatformLocalTime(std::int64_t seconds, std::tm& tm);

}  // namespace quorvel
