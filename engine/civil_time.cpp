#include "engine/civil_time.h"

namespace quorvel {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12).
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

}  // namespace

std::int64_t SecondsAsUtc(const std::tm& time) {
  const std::int64_t months = static_cast<std::int64_t>(time.tm_mon);
  const std::int64_t year = 1900 + static_cast<std::int64_t>(time.tm_year) + FloorDiv(months, 12);
  const std::int64_t month = months - FloorDiv(months, 12) * 12 + 1;
  const std::int64_t days = DaysFromCivil(year, month, 1) + time.tm_mday - 1;
  return days * 86400 + static_cast<std::int64_t>(time.tm_hour) * 3600 +
         static_cast<std::int64_t>(time.tm_min) * 60 + time.tm_sec;
}

void BreakDownSeconds(std::int64_t seconds, std::tm& time) {
  const std::int64_t days = FloorDiv(seconds, 86400);
  const std::int64_t rest = seconds - days * 86400;
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const std::int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
  const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  time.tm_year = static_cast<int>(year - 1900);
  time.tm_mon = static_cast<int>(month - 1);
  time.tm_mday = static_cast<int>(day);
  time.tm_hour = static_cast<int>(rest / 3600);
  time.tm_min = static_cast<int>(rest / 60 % 60);
  time.tm_sec = static_cast<int>(rest % 60);
  // 1970-01-01 was a Thursday.
  time.tm_wday = static_cast<int>(days - FloorDiv(days + 4, 7) * 7 + 4);
  time.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
}

}  // namespace quorvel
