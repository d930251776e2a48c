#include "engine/field_scanner.h"

#include "engine/byte_search.h"

namespace quorvel {

namespace {

constexpr long long kLengthLimit = 1'000'000'000'000'000LL;

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

ScanResult ScanTag(std::string_view line, std::size_t& position, ScannedTag& tag) {
  const char* const begin = line.data();
  const char* const end = begin + line.size();
  const char* const open = position < line.size() ? FindTagOpen(begin + position, end) : nullptr;
  if (open == nullptr) {
    position = line.size();
    return ScanResult::kNone;
  }
  position = static_cast<std::size_t>(open - begin);
  const char* const separator = FindNameEnd(open + 1, end);
  if (separator == end || *separator == '\n') return ScanResult::kOpen;
  const char* next = end;
  if (ReadTagAt(open, separator, end, true, tag, next) != TagRead::kTag) return ScanResult::kOpen;
  position = static_cast<std::size_t>(next - begin);
  return ScanResult::kTag;
}

}  // namespace quorvel
