// One field of an ADIF record as read from the log: the tag's name exactly as
// written and its value, if the tag declared a length.
#pragma once

#include <string_view>

namespace quorvel {

// A field's name and value are views of bytes that outlive the record's use:
// the log's bytes as read, constant text, or a text its record keeps
// (QsoRecord::Keep).
struct AdifField {
  std::string_view name;   // empty once the field has been dropped from the output
  std::string_view value;  // meaningful only when hasValue is true
  bool hasValue = false;
};

}  // namespace quorvel
