// Integers as decimal digits, for the field writer's lengths and the QSO
// date and time: no locale, no allocation, no format string.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvel {

// The most PutDecimal writes: a sign and 20 digits, or the width asked for.
inline constexpr std::size_t kDecimalWidthLimit = 24;

// Writes value as decimal digits, zero-padded to width (at most 23), a minus
// sign before a negative one; returns the number of characters written.
inline std::size_t PutDecimal(char* out, std::int64_t value, std::size_t width = 1) {
  if (value >= 0 && value < 10 && width <= 1) {  // most lengths are short
    out[0] = static_cast<char>('0' + value);
    return 1;
  }
  if (width > kDecimalWidthLimit - 1) width = kDecimalWidthLimit - 1;
  char digits[kDecimalWidthLimit];
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

}  // namespace quorvel
