// Which county tables each region searches.
#pragma once

#include <optional>
#include <string_view>

#include "counties/county_table.h"
#include "counties/region_catalogue.h"

namespace quorvel {

// The state table of one of the 37 states that have one; nullptr for every
// other id (the 13 states without a table, the contests, ids out of range).
const StateCountyTable* StateCountyTableFor(RegionId region);

// The contest table of MARAC, MAQP, NEQP, 7QP or USCQP; nullptr otherwise
// (NAQP and MULTI have none of their own).
const ContestCountyTable* ContestCountyTableFor(RegionId region);

// Every table, in catalogue order of its region, for checks over all rows.
struct StateTableEntry {
  RegionId region;
  const StateCountyTable* table;
};
struct ContestTableEntry {
  RegionId region;
  const ContestCountyTable* table;
};
extern const StateTableEntry kAllStateCountyTables[37];
extern const ContestTableEntry kAllContestCountyTables[5];

}  // namespace quorvel
