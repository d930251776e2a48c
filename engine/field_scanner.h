// The forgiving tag rules: the next ADIF tag of one line of the log, or of
// the part of it that the reader holds (the log scanner drives it).
#pragma once

#include <cstddef>
#include <string_view>

#include "engine/byte_search.h"

namespace quorvel {

struct ScannedTag {
  std::string_view name;
  std::string_view value;  // as kept: never past the line's end, cut at a '<'
  bool hasValue = false;
  long long declaredLength = 0;  // as the tag says; negative reads as 0
  // The tag and its value as read, when that is exactly what the field writer
  // would write for them (a plain length that the value kept, no line feed);
  // empty otherwise.
  std::string_view text;
};

enum class ScanResult {
  kTag,   // a tag; position is past it
  kNone,  // no '<' left; position is the line's size
  kOpen,  // the tag at the next '<' is not closed in line; position is at that '<'
};

// Scans the next tag of line from position on.
ScanResult ScanTag(std::string_view line, std::size_t& position, ScannedTag& tag);

// atoi's reading of a tag's length: blanks, a sign, digits up to the first
// other character; a missing number reads 0. Saturates instead of overflowing.
long long ReadDeclaredLength(std::string_view text);

// The two halves of ScanTag, for a scan that may know where a name ends;
// inline, as the log scanner calls them for every tag of the log. The first
// '<' from from on, or nullptr: mostly the byte after a blank.
inline const char* FindTagOpen(const char* from, const char* end) {
  if (from < end && *from == '<') return from;
  if (end - from >= 2 && from[1] == '<') return from + 1;
  return byte_search::Find(from, end, '<');
}

// The tag at open, whose name ends at separator, the first ':' or '>' after
// open.
inline ScanResult ScanTagAt(std::string_view line, const char* open, const char* separator,
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
    close = byte_search::Find(close, end, '>');
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
