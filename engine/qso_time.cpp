#include "engine/qso_time.h"

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

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12).
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

void CivilFromSeconds(std::int64_t seconds, std::tm& time) {
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
  time = std::tm{};
  time.tm_year = static_cast<int>(year - 1900);
  time.tm_mon = static_cast<int>(month - 1);
  time.tm_mday = static_cast<int>(day);
  time.tm_hour = static_cast<int>(rest / 3600);
  time.tm_min = static_cast<int>(rest / 60 % 60);
  time.tm_sec = static_cast<int>(rest % 60);
  time.tm_isdst = 0;
}

std::int64_t SecondsAsUtc(const std::tm& time) {
  const std::int64_t months = static_cast<std::int64_t>(time.tm_mon);
  const std::int64_t year = 1900 + static_cast<std::int64_t>(time.tm_year) + FloorDiv(months, 12);
  const std::int64_t month = months - FloorDiv(months, 12) * 12 + 1;
  const std::int64_t days = DaysFromCivil(year, month, 1) + time.tm_mday - 1;
  return days * 86400 + static_cast<std::int64_t>(time.tm_hour) * 3600 +
         static_cast<std::int64_t>(time.tm_min) * 60 + time.tm_sec;
}

// Writes value as decimal, zero-padded to width; returns the length.
std::size_t PutNumber(char* out, std::int64_t value, std::size_t width) {
  char digits[24];
  std::size_t n = 0;
  const bool negative = value < 0;
  std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (n < width) digits[n++] = '0';
  std::size_t length = 0;
  if (negative) out[length++] = '-';
  while (n > 0) out[length++] = digits[--n];
  return length;
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
  int number = 0;
  if (declaredLength == 4) time.tm_sec = 0;
  if (!ScanNumber(value, 2, number)) return true;
  time.tm_hour = number;
  if (!ScanNumber(value, 2, number)) return true;
  time.tm_min = number;
  if (declaredLength == 6 && ScanNumber(value, 2, number)) time.tm_sec = number;
  return true;
}

std::int64_t MakeStartTime(std::tm& time) {
  time.tm_isdst = -1;
  std::tm attempt = time;
  std::int64_t seconds = 0;
  if (PlatformMakeLocalTime(attempt, seconds)) {
    time = attempt;
    return seconds;
  }
  seconds = SecondsAsUtc(time);
  CivilFromSeconds(seconds, time);
  return seconds;
}

QsoDateTime FormatStartTime(std::int64_t seconds) {
  std::tm local{};
  if (!PlatformLocalTime(seconds, local)) CivilFromSeconds(seconds, local);
  QsoDateTime out{};
  std::size_t n = PutNumber(out.date, 1900 + static_cast<std::int64_t>(local.tm_year), 4);
  n += PutNumber(out.date + n, local.tm_mon + 1, 2);
  n += PutNumber(out.date + n, local.tm_mday, 2);
  out.dateLength = n;
  std::size_t t = PutNumber(out.time, local.tm_hour, 2);
  t += PutNumber(out.time + t, local.tm_min, 2);
  PutNumber(out.time + t, local.tm_sec, 2);
  return out;
}

}  // namespace quorvel
