// Calendar arithmetic without a time zone: the proleptic Gregorian calendar on
// a count of seconds, carrying fields over as mktime does.
#pragma once

#include <cstdint>
#include <ctime>

namespace quorvel {

// The fields of time (year, month, day, hour, minute, second) read as UTC,
// out-of-range values carried over: 30 February is 1 March, 24:60 is 01:00
// of the next day. Ignores every other field.
std::int64_t SecondsAsUtc(const std::tm& time);

// Sets year, month, day, hour, minute, second, weekday and day of the year of
// time from seconds; leaves its other fields as they are.
void BreakDownSeconds(std::int64_t seconds, std::tm& time);

}  // namespace quorvel
