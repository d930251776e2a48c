// An account of what a conversion must make of county-bearing values and of
// whole records, written apart from the engine: values are looked up by
// reading the catalogue's lists and the tables' rows one by one, and records
// follow the documented rules step by step. The generated-log tests compare
// the converter with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "counties/region_catalogue.h"

namespace quorvel::testing {

// A county-bearing field after resolution.
struct ValueOutcome {
  std::string name;
  std::string value;
  bool converted = false;  // became a CNTY field
  std::string warning;     // the warning it draws, if any
};

// value is the field's value already upper-cased (it holds no comma and is
// not DX); callsign is the record's callsign at that field.
ValueOutcome ExpectResolution(RegionId region, std::string_view name, std::string_view value,
                              std::string_view callsign);

// A key of region's tables that converts, with the CNTY value it gives.
struct ConvertingKey {
  std::string key;
  std::string county;
};

// One key for every CNTY value region can give, in table order; keys that
// several rows of one table share are left out, as which row they yield is
// the tables' own choice.
const std::vector<ConvertingKey>& ConvertingKeys(RegionId region);

// The county-bearing names, CNTY in any letter case and the others exactly.
bool IsCountyField(std::string_view name);

// One field of a record as the reader hands it on.
struct ModelField {
  std::string name;
  std::string value;
  bool hasValue = true;
};

// What one record must give: the CNTY value of each copy written (empty for
// a copy without one), the counties it adds to the count, and its messages.
struct RecordOutcome {
  std::vector<std::string> copies;
  long long converted = 0;
  std::vector<std::string> information;
  std::vector<std::string> warnings;
};

// fields: the record without its date and time, its end tag last.
RecordOutcome ExpectRecord(RegionId region, int addMobile, std::vector<ModelField> fields);

}  // namespace quorvel::testing
