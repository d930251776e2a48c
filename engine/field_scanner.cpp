#include "engine/field_scanner.h"

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

bool ScanNextTag(std::string_view line, std::size_t& position, ScannedTag& tag) {
  const std::size_t open = line.find('<', position);
  if (open == std::string_view::npos) {
    position = line.size();
    return false;
  }
  const std::size_t separator = line.find_first_of(":>", open + 1);
  if (separator == std::string_view::npos) {
    position = line.size();
    return false;
  }
  tag.name = line.substr(open + 1, separator - open - 1);
  if (line[separator] == '>') {
    tag.value = {};
    tag.hasValue = false;
    tag.declaredLength = 0;
    position = separator + 1;
    return true;
  }
  const std::size_t close = line.find('>', separator + 1);
  if (close == std::string_view::npos) {
    position = line.size();
    return false;
  }
  tag.declaredLength = ReadDeclaredLength(line.substr(separator + 1, close - separator - 1));
  const std::size_t start = close + 1;
  const std::size_t available = line.size() - start;
  const long long wanted = tag.declaredLength < 0 ? 0 : tag.declaredLength;
  const std::size_t take = static_cast<unsigned long long>(wanted) < available
                               ? static_cast<std::size_t>(wanted)
                               : available;
  std::string_view value = line.substr(start, take);
  const std::size_t cut = value.find('<');
  if (cut != std::string_view::npos) value = value.substr(0, cut);
  tag.value = value;
  tag.hasValue = true;
  position = start + value.size();
  return true;
}

}  // namespace quorvel
