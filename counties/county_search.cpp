#include "counties/county_table.h"

namespace quorvel {

namespace {

template <typename Row>
int FindRow(std::string_view value, const Row* rows, std::size_t rowCount, int first, int last) {
  return FindSortedRow(value, rows, rowCount, first, last, [](const Row& row) { return row.key; });
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
