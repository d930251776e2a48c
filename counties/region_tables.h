// Which county tables each region searches.
#pragma once

#include <cstddef>
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

// One table that a region's lookups search: a state table with its state's
// abbreviation, or a contest table.
struct SearchedTable {
  const StateCountyTable* stateTable = nullptr;
  std::string_view state;
  const ContestCountyTable* contestTable = nullptr;
};
struct SearchedTables {
  SearchedTable tables[3];
  std::size_t count = 0;
};

// The tables a region's lookups search, in the order they search them: one
// for a state or a contest with a table, three for MULTI, none otherwise.
SearchedTables TablesSearchedFor(RegionId region);

// Calls visit(key, state, county) for every row of one table, in row order.
template <typename Visit>
void ForEachTableRow(const SearchedTable& table, Visit&& visit) {
  if (table.stateTable != nullptr) {
    for (std::size_t i = 0; i < table.stateTable->rowCount; ++i) {
      const StateCountyRow& row = table.stateTable->rows[i];
      visit(row.key, table.state, row.county);
    }
  } else if (table.contestTable != nullptr) {
    for (std::size_t i = 0; i < table.contestTable->rowCount; ++i) {
      const ContestCountyRow& row = table.contestTable->rows[i];
      visit(row.key, row.state, row.county);
    }
  }
}

// The same for every row of the region's tables, in the order of
// TablesSearchedFor.
template <typename Visit>
void ForEachRegionRow(RegionId region, Visit&& visit) {
  const SearchedTables searched = TablesSearchedFor(region);
  for (std::size_t t = 0; t < searched.count; ++t) ForEachTableRow(searched.tables[t], visit);
}

}  // namespace quorvel
