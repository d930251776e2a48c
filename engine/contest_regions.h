// The regions that contest loggers' CONTEST_ID values stand for: the ADIF
// Contest_ID enumeration's names of the QSO parties Quorvel has tables for,
// and the aliases the loggers write.
#pragma once

#include <cstddef>
#include <string_view>

#include "counties/region_catalogue.h"

namespace quorvel {

struct ContestRegionRow {
  std::string_view contestId;  // in capital letters
  RegionId region;
};

// The region a CONTEST_ID value names, letter case ignored; kNoRegion for a
// contest Quorvel has no table for (ARRL-FD, MAR-QSO-PARTY, ...).
RegionId RegionForContestId(std::string_view value);

}  // namespace quorvel
