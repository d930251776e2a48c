// A seeded generator of contest logs, realistic and broken, that knows what a
// correct conversion of each must give: which records reach the output, with
// which counties, and every message of the listing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "counties/region_catalogue.h"
#include "tests/county_model.h"

namespace quorvel::testing {

struct ExpectedRecord {
  std::string id;  // the value of its STX field, unique in the log
  RecordOutcome outcome;
  // QSO_DATE and TIME_ON of the first copy; empty where a daylight-saving
  // change makes the local time ambiguous.
  std::string date;
  std::string time;
};

struct GeneratedLog {
  std::uint64_t seed = 0;
  RegionId region = kPennsylvania;
  int addMobile = 1;
  std::string bytes;
  bool headerRecognised = true;
  // Every county-bearing value converts, is a state or Canadian, or already
  // holds a comma: the run gives no warning.
  bool allCountiesConvert = true;
  // Converting the output again gives it byte for byte. Only a comment whose
  // text after its number starts with a number again breaks this: it yields
  // one more SRX field each time.
  bool reconversionIdentical = true;
  // The input with its line ends as CR LF, up to a byte 0x1A: what a log
  // without a recognised header is copied as.
  std::string copiedWhole;
  std::vector<ExpectedRecord> records;  // every record that must be written, in order
  long long converted = 0;
  long long written = 0;
  long long countyLineQsos = 0;
  std::vector<std::string> information;  // before the two closing messages
  std::vector<std::string> warnings;
  std::vector<std::string> errors;

  // The listing a run must give when the output is named outputName.
  std::vector<std::string> Listing(std::string_view outputName) const;
  std::string Describe() const;  // seed and region, to reproduce a failure
};

GeneratedLog GenerateLog(std::uint64_t seed);

}  // namespace quorvel::testing
