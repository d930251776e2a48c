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

namespace {

// A length of a few plain digits, as nearly every tag has, is read here;
// anything else as atoi would.
long long ReadLength(const char* from, const char* to) {
  if (to - from >= 1 && to - from <= 4) {
    long long value = 0;
    const char* at = from;
    for (; at < to && *at >= '0' && *at <= '9'; ++at) value = value * 10 + (*at - '0');
    if (at == to) return value;
  }
  return ReadDeclaredLength(std::string_view(from, static_cast<std::size_t>(to - from)));
}

}  // namespace

bool ScanNextTag(std::string_view line, std::size_t& position, ScannedTag& tag) {
  // memchr and plain loops: the scan runs over every byte of the log.
  const char* const begin = line.data();
  const char* const end = begin + line.size();
  const char* open = position < line.size() ? Find(begin + position, end, '<') : nullptr;
  if (open == nullptr) {
    position = line.size();
    return false;
  }
  const char* const separator = byte_search::FindEither(open + 1, end, ':', '>');
  if (separator == end) {
    position = line.size();
    return false;
  }
  tag.name = std::string_view(open + 1, static_cast<std::size_t>(separator - open - 1));
  if (*separator == '>') {
    tag.value = {};
    tag.hasValue = false;
    tag.declaredLength = 0;
    position = static_cast<std::size_t>(separator + 1 - begin);
    return true;
  }
  const char* close = Find(separator + 1, end, '>');
  if (close == nullptr) {
    position = line.size();
    return false;
  }
  tag.declaredLength = ReadLength(separator + 1, close);
  const char* const start = close + 1;
  const std::size_t available = static_cast<std::size_t>(end - start);
  const long long wanted = tag.declaredLength < 0 ? 0 : tag.declaredLength;
  const std::size_t take = static_cast<unsigned long long>(wanted) < available
                               ? static_cast<std::size_t>(wanted)
                               : available;
  const char* cut = byte_search::FindBefore(start, start + take, end, '<');
  const std::size_t kept = cut != nullptr ? static_cast<std::size_t>(cut - start) : take;
  tag.value = std::string_view(start, kept);
  tag.hasValue = true;
  position = static_cast<std::size_t>(start - begin) + kept;
  return true;
}

}  // namespace quorvel
