// One field of an ADIF record as read from the log: the tag's name exactly as
// written and its value, if the tag declared a length.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

struct AdifField {
  std::string name;   // empty once the field has been dropped from the output
  std::string value;  // meaningful only when hasValue is true
  bool hasValue = false;

  void Set(std::string_view newName, std::string_view newValue) {
    name.assign(newName);
    value.assign(newValue);
    hasValue = true;
  }
  void SetWithoutValue(std::string_view newName) {
    name.assign(newName);
    value.clear();
    hasValue = false;
  }
};

}  // namespace quorvel
