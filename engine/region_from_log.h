// The region a log is for, read from its records' CONTEST_ID values, so that
// the user need not name the contest when the log already does.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "counties/region_catalogue.h"
#include "engine/platform/text_reader.h"

namespace quorvel {

struct ContestIdCount {
  std::string value;  // as the first record with it wrote it, blanks around it dropped
  std::size_t records = 0;
  RegionId region = kNoRegion;  // kNoRegion: a contest without a table
};

struct LogRegion {
  // The region when the records name exactly one, through contests that all
  // have a table; kNoRegion otherwise.
  RegionId region = kNoRegion;
  // The distinct values (letter case ignored) in order of first appearance;
  // at most kListedContestIds of them, the records of any further values
  // counted in otherRecords.
  std::vector<ContestIdCount> contests;
  std::size_t otherRecords = 0;
};

inline constexpr std::size_t kListedContestIds = 5;

// Reads the log to its end. Only complete records count: the header's values
// are the logger's defaults, not the QSOs'.
LogRegion ReadRegionFromLog(TextReader& reader);

// "Pennsylvania (PA-QSO-PARTY)" for a log that named its region;
// "CONTEST_ID values ARRL-FD (665 records)" or "no record has a CONTEST_ID"
// for one that did not.
std::string DescribeLogRegion(const LogRegion& found);

}  // namespace quorvel
