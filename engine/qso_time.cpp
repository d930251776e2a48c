#include "engine/qso_time.h"

#include <cstring>

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

// Where the platform cannot represent the time: the fields read as UTC.
std::int64_t StartTimeAsUtc(std::tm& time) {
  const std::int64_t seconds = SecondsAsUtc(time);
  CivilFromSeconds(seconds, time);
  return seconds;
}

// "00", "01", ... "99" one after the other.
struct TwoDigitTable {
  char text[200];
  constexpr TwoDigitTable() : text() {
    for (int i = 0; i < 100; ++i) {
      text[2 * i] = static_cast<char>('0' + i / 10);
      text[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
  }
};
constexpr TwoDigitTable kTwoDigits;

// PutDecimal(out, value, 2), by table for the values of 0..99.
std::size_t PutTwoDigits(char* out, int value) {
  const unsigned digits = static_cast<unsigned>(value);
  if (digits > 99) return PutDecimal(out, value, 2);
  std::memcpy(out, kTwoDigits.text + 2 * digits, 2);
  return 2;
}

// The date of date, the time of day as given.
QsoDateTime Format(const std::tm& date, int hour, int minute, int second) {
  QsoDateTime out{};
  std::size_t n = 4;
  const std::int64_t year = 1900 + static_cast<std::int64_t>(date.tm_year);
  if (year >= 0 && year <= 9999) {
    PutTwoDigits(out.date, static_cast<int>(year) / 100);
    PutTwoDigits(out.date + 2, static_cast<int>(year) % 100);
  } else {
    n = PutDecimal(out.date, year, 4);
  }
  n += PutTwoDigits(out.date + n, date.tm_mon + 1);
  n += PutTwoDigits(out.date + n, date.tm_mday);
  out.dateLength = n;
  std::size_t t = PutTwoDigits(out.time, hour);
  t += PutTwoDigits(out.time + t, minute);
  PutTwoDigits(out.time + t, second);
  return out;
}

QsoDateTime Format(const std::tm& local) {
  return Format(local, local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace

std::int64_t MakeStartTime(std::tm& time) {
  time.tm_isdst = -1;
  std::tm attempt = time;
  std::int64_t seconds = 0;
  if (!PlatformMakeLocalTime(attempt, seconds)) return StartTimeAsUtc(time);
  time = attempt;
  return seconds;
}

std::int64_t MakeStartTime(std::tm& time, LocalTimeCache& cache) {
  time.tm_isdst = -1;
  std::int64_t seconds = 0;
  if (!cache.MakeLocalTime(time, seconds)) return StartTimeAsUtc(time);
  return seconds;
}

QsoDateTime FormatStartTime(std::int64_t seconds) {
  std::tm local{};
  if (!PlatformLocalTime(seconds, local)) CivilFromSeconds(seconds, local);
  return Format(local);
}

QsoDateTime FormatStartTime(std::int64_t seconds, LocalTimeCache& cache) {
  const std::tm* date = nullptr;
  int ofDay = 0;
  if (cache.InShownDay(seconds, date, ofDay)) {
    return Format(*date, ofDay / 3600, ofDay / 60 % 60, ofDay % 60);
  }
  std::tm local{};
  if (!cache.LocalTime(seconds, local)) CivilFromSeconds(seconds, local);
  return Format(local);
}

}  // namespace quorvel
