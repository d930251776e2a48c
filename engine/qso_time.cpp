#include "engine/qso_time.h"

#include "engine/civil_time.h"
#include "engine/decimal_text.h"
#include "engine/local_time_cache.h"
#include "engine/platform/local_time.h"

namespace quorvel {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One "%0Nd" conversion of sscanf: blanks skipped, then at most width
// characters of an optional sign and digits. False when no digit came.
bool ScanNumber(std::string_view& text, std::size_t width, int& number) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const std::size_t stop = i + width < text.size() ? i + width : text.size();
  bool negative = false;
  if (i < stop && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t firstDigit = i;
  int value = 0;
  while (i < stop && text[i] >= '0' && text[i] <= '9') value = value * 10 + (text[i++] - '0');
  if (i == firstDigit) return false;
  number = negative ? -value : value;
  text.remove_prefix(i);
  return true;
}

// The number that text's first count characters spell when all are digits,
// else -1. Then sscanf's fields, of widths adding up to count, are those
// digits, and none of its other rules applies.
int LeadingDigits(std::string_view text, std::size_t count) {
  if (text.size() < count) return -1;
  int value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
    if (digit > 9) return -1;
    value = value * 10 + static_cast<int>(digit);
  }
  return value;
}

// gmtime's reading of seconds: the fallback where the platform has none.
void CivilFromSeconds(std::int64_t seconds, std::tm& time) {
  time = std::tm{};
  BreakDownSeconds(seconds, time);
  time.tm_isdst = 0;
}

}  // namespace

std::tm InitialQsoTime() {
  std::tm time{};
  time.tm_year = 70;
  time.tm_mday = 1;
  time.tm_isdst = -1;
  return time;
}

void ReadQsoDate(std::string_view value, std::tm& time) {
  const int date = LeadingDigits(value, 8);
  if (date >= 0) {
    time.tm_year = date / 10000 - 1900;
    time.tm_mon = date / 100 % 100 - 1;
    time.tm_mday = date % 100;
    return;
  }
  int number = 0;
  if (!ScanNumber(value, 4, number)) return;
  time.tm_year = number - 1900;
  if (!ScanNumber(value, 2, number)) return;
  time.tm_mon = number - 1;
  if (!ScanNumber(value, 2, number)) return;
  time.tm_mday = number;
}

bool ReadQsoTime(std::string_view value, long long declaredLength, std::tm& time) {
  if (declaredLength != 4 && declaredLength != 6) return false;
  const int clock = declaredLength == 4 ? LeadingDigits(value, 4) : LeadingDigits(value, 6);
  if (clock >= 0) {
    const int hhmmss = declaredLength == 4 ? clock * 100 : clock;
    time.tm_hour = hhmmss / 10000;
    time.tm_min = hhmmss / 100 % 100;
    time.tm_sec = hhmmss % 100;
    return true;
  }
  int number = 0;
  if (declaredLength == 4) time.tm_sec = 0;
  if (!ScanNumber(value, 2, number)) return true;
  time.tm_hour = number;
  if (!ScanNumber(value, 2, number)) return true;
  time.tm_min = number;
  if (declaredLength == 6 && ScanNumber(value, 2, number)) time.tm_sec = number;
  return true;
}

namespace {

template <typename MakeLocal>
std::int64_t MakeStartTimeWith(std::tm& time, MakeLocal makeLocal) {
  time.tm_isdst = -1;
  std::tm attempt = time;
  std::int64_t seconds = 0;
  if (makeLocal(attempt, seconds)) {
    time = attempt;
    return seconds;
  }
  seconds = SecondsAsUtc(time);
  CivilFromSeconds(seconds, time);
  return seconds;
}

QsoDateTime Format(const std::tm& local) {
  QsoDateTime out{};
  std::size_t n = PutDecimal(out.date, 1900 + static_cast<std::int64_t>(local.tm_year), 4);
  n += PutDecimal(out.date + n, local.tm_mon + 1, 2);
  n += PutDecimal(out.date + n, local.tm_mday, 2);
  out.dateLength = n;
  std::size_t t = PutDecimal(out.time, local.tm_hour, 2);
  t += PutDecimal(out.time + t, local.tm_min, 2);
  PutDecimal(out.time + t, local.tm_sec, 2);
  return out;
}

}  // namespace

std::int64_t MakeStartTime(std::tm& time) {
  return MakeStartTimeWith(
      time, [](std::tm& tm, std::int64_t& seconds) { return PlatformMakeLocalTime(tm, seconds); });
}

std::int64_t MakeStartTime(std::tm& time, LocalTimeCache& cache) {
  return MakeStartTimeWith(time, [&cache](std::tm& tm, std::int64_t& seconds) {
    return cache.MakeLocalTime(tm, seconds);
  });
}

QsoDateTime FormatStartTime(std::int64_t seconds) {
  std::tm local{};
  if (!PlatformLocalTime(seconds, local)) CivilFromSeconds(seconds, local);
  return Format(local);
}

QsoDateTime FormatStartTime(std::int64_t seconds, LocalTimeCache& cache) {
  std::tm local{};
  if (!cache.LocalTime(seconds, local)) CivilFromSeconds(seconds, local);
  return Format(local);
}

}  // namespace quorvel
