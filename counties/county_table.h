// County tables: constant rows sorted by key, searched whole by binary search.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quorvel {

// A state QSO party's abbreviations: key -> county name of that state.
struct StateCountyRow {
  std::string_view key;
  std::string_view county;
};

// A multi-state contest's keys: key -> state abbreviation and county name.
struct ContestCountyRow {
  std::string_view key;
  std::string_view state;
  std::string_view county;
};

struct StateCountyTable {
  std::string_view name;  // the state's display name, for diagnostics and tests
  const StateCountyRow* rows;
  std::size_t rowCount;
};

struct ContestCountyTable {
  std::string_view name;  // the contest's abbreviation
  const ContestCountyRow* rows;
  std::size_t rowCount;
};

// State and county of a contest-table row; both refer to the table's own text.
struct CountyMatch {
  std::string_view state;
  std::string_view county;
};

// Binary search over rows first..last (inclusive), bytes compared unsigned and
// a text that begins a longer one sorting first. Returns the county name of
// the row whose key equals value.
std::optional<std::string_view> SearchCountyTable(std::string_view value,
                                                  const StateCountyTable& table, int first,
                                                  int last);

// The same search over a contest table. Where several rows share the key, the
// one whose county name comes first in byte order is returned.
std::optional<CountyMatch> SearchContestTable(std::string_view value,
                                              const ContestCountyTable& table, int first, int last);

// Byte-wise three-way comparison with bytes taken as unsigned.
int CompareKeys(std::string_view a, std::string_view b);

}  // namespace quorvel
