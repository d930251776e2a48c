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

  // A slot mostly gets the name it had in the record before, and often the
  // value too: comparing is cheaper than copying.
  void Set(std::string_view newName, std::string_view newValue) {
    if (std::string_view(name) != newName) name.assign(newName);
    if (std::string_view(value) != newValue) value.assign(newValue);
    hasValue = true;
  }
  void SetWithoutValue(std::string_view newName) {
    if (std::string_view(name) != newName) name.assign(newName);
    value.clear();
    hasValue = false;
  }
};

}  // namespace quorvel
