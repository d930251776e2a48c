// Delaware QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
#include <iterator>
#include <optional>
#include <string_view>

#include "counties/county_lookups.h"
#include "counties/table_checks.h"

namespace quorvel {
namespace {

using table_checks::KeyLengths;

// clang-format off
constexpr StateCountyRow kRows[] = {
    {"KEN", "Kent"},
    {"NEW", "New Castle"},
    {"SUS", "Sussex"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Delaware", 3, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kDelawareCountyTable = {"Delaware", kRows, std::size(kRows)};

std::optional<std::string_view> LookupDelawareCounty(std::string_view value) {
  return SearchCountyTable(value, kDelawareCountyTable, 0,
                           static_cast<int>(kDelawareCountyTable.rowCount) - 1);
}

}  // namespace quorvel
