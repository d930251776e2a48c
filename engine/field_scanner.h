// The forgiving tag scanner: finds the ADIF tags of one line of the log.
#pragma once

#include <cstddef>
#include <string_view>

namespace quorvel {

struct ScannedTag {
  std::string_view name;
  std::string_view value;  // as kept: never past the line's end, cut at a '<'
  bool hasValue = false;
  long long declaredLength = 0;  // as the tag says; negative reads as 0
};

// Scans the next tag of line from position on and moves position past it.
// False when the line holds no further complete tag: no '<' is left, or the
// tag after it is not closed on this line.
bool ScanNextTag(std::string_view line, std::size_t& position, ScannedTag& tag);

// atoi's reading of a tag's length: blanks, a sign, digits up to the first
// other character; a missing number reads 0. Saturates instead of overflowing.
long long ReadDeclaredLength(std::string_view text);

}  // namespace quorvel
