#include "engine/field_scanner.h"

#include "engine/byte_search.h"

namespace quorvel {

namespace {

constexpr long long kLengthLimit = 1'000'000'000'000'000LL;

using byte_search::Find;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

long long ReadDeclaredLength(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value < kLengthLimit) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

// Mostly the byte after a blank.
const char* FindTagOpen(const char* from, const char* end) {
  if (from < end && *from == '<') return from;
  if (end - from >= 2 && from[1] == '<') return from + 1;
  return Find(from, end, '<');
}

ScanResult ScanTag(std::string_view line, std::size_t& position, ScannedTag& tag) {
  const char* const begin = line.data();
  const char* const end = begin + line.size();
  const char* const open = position < line.size() ? FindTagOpen(begin + position, end) : nullptr;
  if (open == nullptr) {
    position = line.size();
    return ScanResult::kNone;
  }
  const char* const separator = byte_search::FindEither(open + 1, end, ':', '>');
  if (separator == end) {
    position = static_cast<std::size_t>(open - begin);
    return ScanResult::kOpen;
  }
  return ScanTagAt(line, open, separator, position, tag);
}

ScanResult ScanTagAt(std::string_view line, const char* open, const char* separator,
                     std::size_t& position, ScannedTag& tag) {
  // Plain loops and word-wide searches: the scan runs over every byte of the log.
  const char* const begin = line.data();
  const char* const end = begin + line.size();
  position = static_cast<std::size_t>(open - begin);
  tag.name = std::string_view(open + 1, static_cast<std::size_t>(separator - open - 1));
  if (*separator == '>') {
    tag.value = std::string_view(separator + 1, 0);
    tag.hasValue = false;
    tag.declaredLength = 0;
    tag.text = std::string_view(open, static_cast<std::size_t>(separator + 1 - open));
    position = static_cast<std::size_t>(separator + 1 - begin);
    return ScanResult::kTag;
  }
  // A length of up to four plain digits, as nearly every tag has, is read
  // here; anything else as atoi would.
  const char* close = separator + 1;
  long long declared = 0;
  while (close < end && close - separator <= 4 && *close >= '0' && *close <= '9') {
    declared = declared * 10 + (*close++ - '0');
  }
  const bool plain = close < end && *close == '>' && close > separator + 1 &&
                     (separator[1] != '0' || close == separator + 2);
  if (!plain) {
    close = Find(close, end, '>');
    if (close == nullptr) return ScanResult::kOpen;
    declared = ReadDeclaredLength(
        std::string_view(separator + 1, static_cast<std::size_t>(close - separator - 1)));
  }
  tag.declaredLength = declared;
  const char* const start = close + 1;
  const std::size_t available = static_cast<std::size_t>(end - start);
  const long long wanted = declared < 0 ? 0 : declared;
  const std::size_t take = static_cast<unsigned long long>(wanted) < available
                               ? static_cast<std::size_t>(wanted)
                               : available;
  const char* cut = byte_search::FindBefore(start, start + take, end, '<');
  const std::size_t kept = cut != nullptr ? static_cast<std::size_t>(cut - start) : take;
  tag.value = std::string_view(start, kept);
  tag.hasValue = true;
  const bool asWritten =
      plain && static_cast<long long>(kept) == declared && (kept == 0 || start[kept - 1] != '\n');
  tag.text = asWritten ? std::string_view(open, static_cast<std::size_t>(start + kept - open))
                       : std::string_view();
  position = static_cast<std::size_t>(start - begin) + kept;
  return ScanResult::kTag;
}

}  // namespace quorvel
