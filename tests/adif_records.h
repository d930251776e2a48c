// Converted output read back with the program's own log scanner, record by
// record, for tests that look inside the records.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::testing {

struct ReadField {
  std::string name;
  std::string value;
  bool hasValue = false;
};

struct ReadRecord {
  std::vector<ReadField> fields;  // in file order, the end tag last
  // The values of every field of that exact name.
  std::vector<std::string> ValuesOf(std::string_view name) const;
};

struct ReadLog {
  bool headerFound = false;
  std::vector<ReadRecord> records;
  bool openRecord = false;  // fields after the last end tag
};

ReadLog ReadOutput(std::string_view bytes);

}  // namespace quorvel::testing
