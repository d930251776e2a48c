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

// Byte-wise three-way comparison, bytes taken as unsigned; a text that is the
// beginning of a longer one sorts first. The tables' build-time checks use it
// too, so the order they check is the order the searches assume. Characters
// are read through data(): the library's checked accessors cost compile-time
// evaluation steps in those checks.
constexpr int CompareKeys(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  const char* const p = a.data();
  const char* const q = b.data();
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(p[i]);
    const auto y = static_cast<unsigned char>(q[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// Binary search over rows first..last (inclusive, clamped to the rows), which
// are sorted by keyOf(row) in CompareKeys order: the index of a row whose key
// equals value, or -1.
template <typename Row, typename KeyOf>
int FindSortedRow(std::string_view value, const Row* rows, std::size_t rowCount, int first,
                  int last, KeyOf keyOf) {
  int lo = first < 0 ? 0 : first;
  int hi = last >= static_cast<int>(rowCount) ? static_cast<int>(rowCount) - 1 : last;
  while (hi >= lo) {
    const int mid = lo + (hi - lo) / 2;
    const int order = CompareKeys(value, keyOf(rows[mid]));
    if (order < 0) {
      hi = mid - 1;
    } else if (order > 0) {
      lo = mid + 1;
    } else {
      return mid;
    }
  }
  return -1;
}

}  // namespace quorvel
