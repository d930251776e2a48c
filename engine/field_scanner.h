// The forgiving tag rules: the next ADIF tag of one line of the log, or of
// the part of it that the reader holds (the log scanner drives it).
#pragma once

#include <cstddef>
#include <string_view>

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

// The two halves of ScanTag, for a scan that may know where a name ends: the
// first '<' from from on, or nullptr; and the tag at open, whose name ends at
// separator, the first ':' or '>' after open.
const char* FindTagOpen(const char* from, const char* end);
ScanResult ScanTagAt(std::string_view line, const char* open, const char* separator,
                     std::size_t& position, ScannedTag& tag);

// atoi's reading of a tag's length: blanks, a sign, digits up to the first
// other character; a missing number reads 0. Saturates instead of overflowing.
long long ReadDeclaredLength(std::string_view text);

}  // namespace quorvel
