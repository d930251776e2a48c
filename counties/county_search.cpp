#include "counties/county_table.h"

namespace quorvel {

int CompareKeys(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

namespace {

// Index of the row whose key equals value within rows first..last, or -1.
template <typename Row>
int FindRow(std::string_view value, const Row* rows, std::size_t rowCount, int first, int last) {
  if (first < 0) first = 0;
  if (last >= static_cast<int>(rowCount)) last = static_cast<int>(rowCount) - 1;
  int lo = first;
  int hi = last;
  while (hi >= lo) {
    const int mid = lo + (hi - lo) / 2;
    const int order = CompareKeys(value, rows[mid].key);
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

}  // namespace

std::optional<std::string_view> SearchCountyTable(std::string_view value,
                                                  const StateCountyTable& table, int first,
                                                  int last) {
  const int row = FindRow(value, table.rows, table.rowCount, first, last);
  if (row < 0) return std::nullopt;
  return table.rows[row].county;
}

std::optional<CountyMatch> SearchContestTable(std::string_view value,
                                              const ContestCountyTable& table, int first,
                                              int last) {
  int row = FindRow(value, table.rows, table.rowCount, first, last);
  if (row < 0) return std::nullopt;
  // Rows sharing a key stand together in county-name order; take the first.
  while (row > first && table.rows[row - 1].key == table.rows[row].key) --row;
  return CountyMatch{table.rows[row].state, table.rows[row].county};
}

}  // namespace quorvel
